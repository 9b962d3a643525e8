// Each window laid out from its template: every control's widget sits where
// the window system placed the control, and a screenshot of each window is
// kept for a person to look at.

#include "display_test.h"

#include <QDir>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWindow>

#include "res/resource.h"
#include "screen_user.h"
#include "windowing/dialog_window.h"
#include "windowing/resources.h"
#include "windowing/static_control.h"
#include "windowing/window.h"

namespace {

const std::string kMain = "SDOF System Natural Frequency,  version 2.1";

// Where a control must be: where the window system put it.
QRect expectedPlace(const Window& control) {
    const RECT& r = control.rect();
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void expectLaidOutAsTheTemplate(const ScreenWindow& window) {
    const auto* dialog = WindowSystem::instance().findDialog(window.dialog());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(window.surface()->size(), QSize(dialog->clientSize().x, dialog->clientSize().y));
    EXPECT_FALSE(dialog->children().empty());
    for (HWND child : dialog->children()) {
        const Window* control = WindowSystem::instance().find(child);
        const QWidget* widget = window.widgetOf(child);
        ASSERT_NE(widget, nullptr) << "control " << control->id() << " \"" << control->text() << "\"";
        EXPECT_EQ(window.surface(), widget->parentWidget());
        EXPECT_EQ(expectedPlace(*control), widget->geometry()) << "control " << control->id() << " \"" << control->text() << "\"";
        EXPECT_EQ(control->visible(), widget->isVisible()) << "control " << control->id();
    }
}

void keepScreenshot(const ScreenWindow& window, const QString& name) {
    const QDir folder(QStringLiteral(RESONIX_SCREENSHOT_DIR));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    const QPixmap shot = window.surface()->grab();
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(folder.filePath(name + QStringLiteral(".png")))) << name.toStdString();
    // On a real X server (QT_QPA_PLATFORM=xcb under Xvfb), the screen as well,
    // frame and all, as the desktop shows it.
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
        ASSERT_TRUE(processEventsUntil([&] { return window.surface()->windowHandle()->isExposed(); }));
        // Painted and flushed; the grab's round trip to the server comes after.
        processEventsUntil([] { return false; }, 10);
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        EXPECT_TRUE(screen.save(folder.filePath(name + QStringLiteral("-screen.png"))));
    }
}

class LayoutOnScreen : public DisplayTest {};

TEST_F(LayoutOnScreen, EveryWindowIsLaidOutAsItsTemplateAndPhotographed) {
    ScreenUser user(display());
    user.at(kMain, [&](ScreenWindow& main) {
        expectLaidOutAsTheTemplate(main);
        keepScreenshot(main, QStringLiteral("main"));
        main.clickItem(IDC_MOTION_LIST, 1);
    });
    user.at("Translation", [&](ScreenWindow& translation) {
        translation.clickItem(IDC_TRA_ANALYSIS, 0);
        translation.click(IDC_TRA_INPUT1);
        translation.type(QStringLiteral("10"));
        translation.click(IDC_TRA_INPUT2);
        translation.type(QStringLiteral("1000"));
        translation.key(Qt::Key_Return);
        expectLaidOutAsTheTemplate(translation);
        // The results show as lines, with the window system's text.
        const Window* results = WindowSystem::instance().find(translation.control(IDC_TRA_RESULTS));
        QString lines = QString::fromStdString(results->text());
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(translation.widgetAs<QPlainTextEdit>(IDC_TRA_RESULTS)->toPlainText(), lines);
        keepScreenshot(translation, QStringLiteral("translation"));
        translation.key(Qt::Key_Escape);
    });
    user.at(kMain, [](ScreenWindow& main) { main.clickItem(IDC_MOTION_LIST, 0); });
    user.at("Rotation", [&](ScreenWindow& rotation) {
        // With an analysis chosen, the input area shows too.
        if (rotation.widgetAs<QListWidget>(IDC_ROT_ANALYSIS)->count() > 0) rotation.clickItem(IDC_ROT_ANALYSIS, 0);
        expectLaidOutAsTheTemplate(rotation);
        keepScreenshot(rotation, QStringLiteral("rotation"));
        rotation.key(Qt::Key_Escape);
    });
    user.at(kMain, [](ScreenWindow& main) { main.click(IDOK); });
    user.at("About resonix", [&](ScreenWindow& about) {
        expectLaidOutAsTheTemplate(about);
        keepScreenshot(about, QStringLiteral("about"));
        about.key(Qt::Key_Return);
    });
    user.at(kMain, [](ScreenWindow& main) { main.key(Qt::Key_Escape); });
    user.play([] { runProgram(); });
}

TEST_F(LayoutOnScreen, InputsAreNamedByTheCaptionsAboveThemAsTheCaptionsChange) {
    ScreenUser user(display());
    user.at(kMain, [](ScreenWindow& main) { main.clickItem(IDC_MOTION_LIST, 1); });
    user.at("Translation", [](ScreenWindow& translation) {
        const auto captionOf = [&](int id) { return QString::fromStdString(WindowSystem::instance().find(translation.control(id))->text()).trimmed(); };
        EXPECT_EQ(translation.widget(IDC_TRA_ANALYSIS)->accessibleName(), "Select Analysis");
        EXPECT_EQ(translation.widget(IDOK)->accessibleName(), "Calculate");
        for (int analysis : {0, 2}) {
            translation.clickItem(IDC_TRA_ANALYSIS, analysis);
            ASSERT_FALSE(captionOf(IDC_TRA_INPUT1_LABEL).isEmpty());
            EXPECT_EQ(translation.widget(IDC_TRA_INPUT1)->accessibleName(), captionOf(IDC_TRA_INPUT1_LABEL));
            EXPECT_EQ(translation.widget(IDC_TRA_INPUT2)->accessibleName(), captionOf(IDC_TRA_INPUT2_LABEL));
            EXPECT_EQ(translation.widget(IDC_TRA_INPUT1_LABEL)->accessibleName(), captionOf(IDC_TRA_INPUT1_LABEL));
        }
        EXPECT_NE(translation.widget(IDC_TRA_INPUT1)->accessibleName(), translation.widget(IDC_TRA_INPUT2)->accessibleName());
        EXPECT_EQ(translation.widget(IDC_TRA_DEFLECTION)->accessibleName(), captionOf(IDC_TRA_DEFLECTION_LABEL));
        // Every widget of the window has a name for a screen reader, but for
        // captions that are still blank.
        for (HWND child : WindowSystem::instance().find(translation.dialog())->children()) {
            const Window* control = WindowSystem::instance().find(child);
            const bool blank = control->text().find_first_not_of(' ') == std::string::npos;
            const bool caption = control->kind() == ControlKind::Edit && control->hasStyle(ES_READONLY) && !control->hasStyle(ES_MULTILINE);
            if (caption && blank) continue;
            EXPECT_FALSE(translation.widgetOf(child)->accessibleName().isEmpty()) << "control " << control->id();
        }
        translation.key(Qt::Key_Escape);
    });
    user.at(kMain, [](ScreenWindow& main) {
        EXPECT_EQ(main.widget(IDC_MOTION_LIST)->accessibleName(), "Select Motion");
        EXPECT_EQ(main.surface()->accessibleName().toStdString(), kMain);
        main.key(Qt::Key_Escape);
    });
    user.play([] { runProgram(); });
}

}  // namespace
