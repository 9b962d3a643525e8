// Each window laid out from its template: every control's widget sits where
// the window system placed the control, in a font of known metrics at the
// pixels worked out by hand, and a picture of each window shows every frame
// and text whole, at the scale the test runs at (QT_SCALE_FACTOR: ctest runs
// it at 1 to 2 in quarters), and is kept for a person to look at.

#include "display_test.h"

#include <QDir>
#include <QFontDatabase>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>
#include <optional>

#include "picture_check.h"
#include "res/resource.h"
#include "screen_user.h"
#include "windowing/dialog_window.h"
#include "windowing/resources.h"
#include "windowing/static_control.h"
#include "windowing/window.h"

namespace {

const std::string kMain = kMainCaption;

// Every control has its widget on the window, shown while it is visible;
// where the widgets sit is LayoutInAKnownFont's.
void expectLaidOutAsTheTemplate(const ScreenWindow& window) {
    const auto* dialog = WindowSystem::instance().findDialog(window.dialog());
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->children().empty());
    for (HWND child : dialog->children()) {
        const Window* control = WindowSystem::instance().find(child);
        const QWidget* widget = window.widgetOf(child);
        ASSERT_NE(widget, nullptr) << "control " << control->id() << " \"" << control->text() << "\"";
        EXPECT_EQ(window.surface(), widget->parentWidget());
        EXPECT_EQ(control->visible(), widget->isVisible()) << "control " << control->id();
    }
}

// Checks the picture of a window and keeps it, named for its scale past 1x.
void keepScreenshot(const ScreenWindow& window, QString name) {
    const QDir folder(QStringLiteral(RESONIX_SCREENSHOT_DIR));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    const QPixmap shot = window.surface()->grab();
    ASSERT_FALSE(shot.isNull());
    if (shot.devicePixelRatio() != 1) name += QStringLiteral("-%1x").arg(shot.devicePixelRatio());
    for (const std::string& fault : faultsInPicture(window, shot.toImage())) ADD_FAILURE() << name.toStdString() << ": " << fault;
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
        // The widest numbers in its narrowest results field.
        translation.clickItem(IDC_TRA_ANALYSIS, 0);
        translation.typeInto(IDC_TRA_INPUT1, QStringLiteral("1"));
        translation.typeInto(IDC_TRA_INPUT2, QStringLiteral("1.2006e-7"));
        translation.key(Qt::Key_Return);
        const auto* results = translation.widgetAs<QPlainTextEdit>(IDC_TRA_RESULTS);
        ASSERT_TRUE(results->toPlainText().contains(QStringLiteral("0.0003465 rad/sec")));
        // They fit in their normal size once past the blanks they start with.
        EXPECT_EQ(results->font(), display().fixedFont());
        EXPECT_GT(results->horizontalScrollBar()->value(), 0);
        expectLaidOutAsTheTemplate(translation);
        keepScreenshot(translation, QStringLiteral("translation"));
        translation.key(Qt::Key_Escape);
    });
    user.at(kMain, [](ScreenWindow& main) { main.clickItem(IDC_MOTION_LIST, 0); });
    user.at("Rotation", [&](ScreenWindow& rotation) {
        // Each of its three states: opened, analysis chosen, calculated.
        expectLaidOutAsTheTemplate(rotation);
        keepScreenshot(rotation, QStringLiteral("rotation-opened"));
        rotation.clickItem(IDC_ROT_ANALYSIS, 1);
        expectLaidOutAsTheTemplate(rotation);
        keepScreenshot(rotation, QStringLiteral("rotation-chosen"));
        // The SI inertia is too long for its list: it shows whole on hover.
        const auto* inertias = rotation.widgetAs<QListWidget>(IDC_ROT_UNITS2);
        EXPECT_EQ(inertias->item(0)->toolTip(), QStringLiteral("kg m^2 (N m sec^2)"));
        EXPECT_EQ(inertias->item(1)->toolTip(), QString());
        rotation.typeInto(IDC_ROT_INPUT1, QStringLiteral("10"));
        rotation.clickItem(IDC_ROT_UNITS1, 1);
        rotation.typeInto(IDC_ROT_INPUT2, QStringLiteral("1"));
        rotation.key(Qt::Key_Return);
        expectLaidOutAsTheTemplate(rotation);
        // The longest results, ten lines for the torsional stiffness, show
        // whole: nothing to scroll to either way.
        const auto* results = rotation.widgetAs<QPlainTextEdit>(IDC_ROT_RESULTS);
        EXPECT_EQ(results->toPlainText().count(QLatin1Char('\n')), 9);
        EXPECT_EQ(results->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(results->horizontalScrollBar()->maximum(), 0);
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
    struct Calculator {
        int motion;
        const char* caption;
        int analysis, input1Label, input2Label, input1, input2;
    };
    const Calculator calculators[] = {
        {1, "Translation", IDC_TRA_ANALYSIS, IDC_TRA_INPUT1_LABEL, IDC_TRA_INPUT2_LABEL, IDC_TRA_INPUT1, IDC_TRA_INPUT2},
        {0, "Rotation", IDC_ROT_ANALYSIS, IDC_ROT_INPUT1_LABEL, IDC_ROT_INPUT2_LABEL, IDC_ROT_INPUT1, IDC_ROT_INPUT2},
    };
    ScreenUser user(display());
    for (const Calculator& calc : calculators) {
        user.at(kMain, [&](ScreenWindow& main) { main.clickItem(IDC_MOTION_LIST, calc.motion); });
        user.at(calc.caption, [&](ScreenWindow& window) {
            SCOPED_TRACE(calc.caption);
            const auto captionOf = [&](int id) { return QString::fromStdString(WindowSystem::instance().find(window.control(id))->text()).trimmed(); };
            EXPECT_EQ(window.widget(calc.analysis)->accessibleName(), "Select Analysis");
            EXPECT_EQ(window.widget(IDOK)->accessibleName(), "Calculate");
            for (int analysis : {0, 2}) {
                window.clickItem(calc.analysis, analysis);
                ASSERT_FALSE(captionOf(calc.input1Label).isEmpty());
                EXPECT_EQ(window.widget(calc.input1)->accessibleName(), captionOf(calc.input1Label));
                EXPECT_EQ(window.widget(calc.input2)->accessibleName(), captionOf(calc.input2Label));
                EXPECT_EQ(window.widget(calc.input1Label)->accessibleName(), captionOf(calc.input1Label));
            }
            EXPECT_NE(window.widget(calc.input1)->accessibleName(), window.widget(calc.input2)->accessibleName());
            if (calc.motion == 1) {
                EXPECT_EQ(window.widget(IDC_TRA_DEFLECTION)->accessibleName(), captionOf(IDC_TRA_DEFLECTION_LABEL));
            }
            // Every widget of the window has a name for a screen reader, but
            // for captions that are still blank.
            for (HWND child : WindowSystem::instance().find(window.dialog())->children()) {
                const Window* control = WindowSystem::instance().find(child);
                const bool blank = control->text().find_first_not_of(' ') == std::string::npos;
                const bool caption = control->kind() == ControlKind::Edit && control->hasStyle(ES_READONLY) && !control->hasStyle(ES_MULTILINE);
                if (caption && blank) continue;
                EXPECT_FALSE(window.widgetOf(child)->accessibleName().isEmpty()) << "control " << control->id();
            }
            window.key(Qt::Key_Escape);
        });
    }
    user.at(kMain, [](ScreenWindow& main) {
        EXPECT_EQ(main.widget(IDC_MOTION_LIST)->accessibleName(), "Select Motion");
        EXPECT_EQ(main.surface()->accessibleName().toStdString(), kMain);
        main.key(Qt::Key_Escape);
    });
    user.play([] { runProgram(); });
}

// A bitmap font whose metrics are known: each lower-case letter is 5 pixels
// wide and each capital 6, with 10 pixels above the baseline and 3 below. Its
// dialog base units are therefore 6 x 13: the average letter, 5.5 pixels,
// rounds up, and the height is 10 + 3.
QFont knownMetricsFont() {
    static const int fontId = [] {
        QByteArray bdf = "STARTFONT 2.1\nFONT -resonix-Known Metrics-Medium-R-Normal--13-130-75-75-P-55-ISO10646-1\n"
                         "SIZE 13 75 75\nFONTBOUNDINGBOX 6 13 0 -3\nSTARTPROPERTIES 5\nFAMILY_NAME \"Known Metrics\"\n"
                         "FONT_ASCENT 10\nFONT_DESCENT 3\nCHARSET_REGISTRY \"ISO10646\"\nCHARSET_ENCODING \"1\"\nENDPROPERTIES\nCHARS 52\n";
        for (const char letter : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) {
            const int width = letter >= 'a' ? 5 : 6;
            bdf += QStringLiteral("STARTCHAR %1\nENCODING %2\nSWIDTH %3 0\nDWIDTH %4 0\nBBX 1 1 0 0\nBITMAP\n80\nENDCHAR\n")
                       .arg(QLatin1Char(letter)).arg(int(letter)).arg(width * 1000 / 13).arg(width).toLatin1();
        }
        return QFontDatabase::addApplicationFontFromData(bdf + "ENDFONT\n");
    }();
    QFont font(QFontDatabase::applicationFontFamilies(fontId).value(0));
    font.setPixelSize(13);
    return font;
}

// The desktop's font is the known one while the display measures it.
class LayoutInAKnownFont : public DisplayTest {
protected:
    static void SetUpTestSuite() {
        desktopFont = QApplication::font();
        QApplication::setFont(knownMetricsFont());
    }
    static void TearDownTestSuite() { QApplication::setFont(*desktopFont); }
    static inline std::optional<QFont> desktopFont;
};

// Each edge in dialog units, x * 6 / 4 and y * 13 / 8 pixels, rounded half up,
// worked out by hand: (x, y, width, height) in dialog units, then the pixels.
// The rows hold halves on both axes, so truncating, or taking the base units
// the wrong way round, puts controls elsewhere.
TEST_F(LayoutInAKnownFont, ControlsSitWhereTheirDialogUnitsPutThem) {
    ASSERT_EQ(knownMetricsFont().family(), QStringLiteral("Known Metrics")) << "the font did not load";
    struct Place {
        int order;          // in the template; -1: the client area
        const char* units;
        QRect pixels;
    };
    const auto expectPlaces = [](const ScreenWindow& window, std::initializer_list<Place> places) {
        const std::vector<HWND>& controls = WindowSystem::instance().find(window.dialog())->children();
        for (const Place& place : places) {
            const QWidget* widget = place.order < 0 ? window.surface() : window.widgetOf(controls.at(static_cast<std::size_t>(place.order)));
            EXPECT_EQ(place.order < 0 ? QRect(QPoint(0, 0), widget->size()) : widget->geometry(), place.pixels) << place.units;
        }
    };
    ScreenUser user(display());
    user.at(kMain, [&](ScreenWindow& main) {
        expectPlaces(main, {{-1, "242 x 127", QRect(0, 0, 363, 206)},
                            {0, "163, 59, 64, 17", QRect(245, 96, 96, 28)},
                            {1, "163, 79, 64, 17", QRect(245, 128, 96, 28)},
                            {2, "55, 57, 68, 40", QRect(83, 93, 102, 65)},
                            {3, "21, 14, 142, 8", QRect(32, 23, 213, 13)},
                            {4, "28, 35, 121, 76", QRect(42, 57, 182, 123)}});
        main.click(IDOK);
    });
    user.at("About resonix", [&](ScreenWindow& about) {
        expectPlaces(about, {{-1, "235 x 92", QRect(0, 0, 353, 150)},
                             {0, "15, 13 and the 35 x 28 pixels of the bitmap", QRect(23, 21, 35, 28)},
                             {3, "178, 7, 50, 14", QRect(267, 11, 75, 23)},
                             {4, "17, 55, 171, 13", QRect(26, 89, 256, 22)}});
        about.key(Qt::Key_Escape);
    });
    user.at(kMain, [](ScreenWindow& main) { main.clickItem(IDC_MOTION_LIST, 1); });
    user.at("Translation", [&](ScreenWindow& translation) {
        expectPlaces(translation, {{-1, "379 x 290", QRect(0, 0, 569, 471)},
                                   {1, "263, 256, 102, 20", QRect(395, 416, 153, 33)},
                                   {9, "134, 82, 49, 14", QRect(201, 133, 74, 23)},
                                   {14, "143, 174, 78, 63", QRect(215, 283, 117, 102)}});
        translation.key(Qt::Key_Escape);
    });
    user.at(kMain, [](ScreenWindow& main) { main.key(Qt::Key_Escape); });
    user.play([] { runProgram(); });
}

}  // namespace
