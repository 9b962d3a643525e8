// The program's windows on screen: the main window, opening and closing the
// calculators and the About box, through real Qt input.

#include "display_test.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "res/resource.h"
#include "res/resources.h"
#include "screen_user.h"
#include "windowing/dialog_window.h"
#include "windowing/win_api.h"

namespace {

const std::string kMain = kMainCaption;
const std::string kAbout = "About resonix";

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int row = 0; list && row < list->count(); ++row) items.append(list->item(row)->text());
    return items;
}

// A point of the window's background, clear of every control.
QPoint backgroundOf(const ScreenWindow& window) {
    const QWidget* surface = window.surface();
    const QPoint corner(3, surface->height() - 3);
    EXPECT_EQ(surface->childAt(corner), nullptr) << "the corner is not background";
    return corner;
}

class MainWindowOnScreen : public DisplayTest {};

TEST_F(MainWindowOnScreen, OpensWithBothMotionsUnselectedAndTheFocusOnVisitWebSite) {
    ScreenUser user(display());
    user.at(kMain, [](ScreenWindow& main) {
        EXPECT_EQ(main.surface()->windowTitle().toStdString(), kMain);
        EXPECT_FALSE(main.surface()->windowIcon().isNull());
        const auto* list = main.widgetAs<QListWidget>(IDC_MOTION_LIST);
        EXPECT_EQ(itemsOf(list), (QStringList{"Rotation", "Translation"}));
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_EQ(main.focusedId(), IDOK);
        EXPECT_EQ(QApplication::focusWidget(), main.widget(IDOK));
        EXPECT_TRUE(main.widgetAs<QPushButton>(IDOK)->isDefault());
        EXPECT_FALSE(main.widgetAs<QPushButton>(IDCANCEL)->isDefault());
        main.key(Qt::Key_Escape);
    });
    user.play([] { EXPECT_EQ(runProgram(), 0); });
}

TEST_F(MainWindowOnScreen, TranslationRunsModallyAndEscapeRefillsTheListWithNothingSelected) {
    ScreenUser user(display());
    HWND mainWindow = nullptr;
    user.at(kMain, [&](ScreenWindow& main) {
        mainWindow = main.dialog();
        main.clickItem(IDC_MOTION_LIST, 1);
    });
    user.at("Translation", [&](ScreenWindow& translation) {
        EXPECT_FALSE(IsWindowEnabled(mainWindow));
        // The main window looks as it did, as on the platform, and takes no input.
        EXPECT_TRUE(display().widgetFor(mainWindow)->isEnabled());
        ScreenWindow(display(), mainWindow).click(IDCANCEL);
        EXPECT_EQ(WindowSystem::instance().activeDialog(), translation.dialog()) << "the main window takes input during the run";
        EXPECT_TRUE(translation.surface()->isModal());
        EXPECT_EQ(translation.surface()->windowHandle()->transientParent(), display().widgetFor(mainWindow)->windowHandle())
            << "not owned by the main window";
        translation.key(Qt::Key_Escape);
    });
    user.at(kMain, [](ScreenWindow& main) {
        EXPECT_TRUE(main.surface()->isEnabled());
        const auto* list = main.widgetAs<QListWidget>(IDC_MOTION_LIST);
        EXPECT_EQ(itemsOf(list), (QStringList{"Rotation", "Translation"}));
        EXPECT_TRUE(list->selectedItems().isEmpty());
        // The click gave the list the focus, and it keeps it.
        EXPECT_EQ(main.focusedId(), IDC_MOTION_LIST);
        main.key(Qt::Key_Escape);
    });
    user.play([] { runProgram(); });
    EXPECT_EQ(user.visited(), (std::vector<std::string>{kMain, "Translation", kMain}));
}

TEST_F(MainWindowOnScreen, ArrowKeysInTheListChooseAMotionAndQtNeverSelectsByItself) {
    ScreenUser user(display());
    user.at(kMain, [](ScreenWindow& main) {
        main.key(Qt::Key_Tab);
        main.key(Qt::Key_Tab);
        ASSERT_EQ(main.focusedId(), IDC_MOTION_LIST);
        // Keys that a Qt list would act on by itself do nothing here.
        main.key(Qt::Key_T);
        main.key(Qt::Key_PageDown);
        EXPECT_TRUE(main.widgetAs<QListWidget>(IDC_MOTION_LIST)->selectedItems().isEmpty());
        main.key(Qt::Key_Down);
    });
    user.at("Rotation", [](ScreenWindow& rotation) { rotation.key(Qt::Key_Escape); });
    user.at(kMain, [](ScreenWindow& main) {
        EXPECT_TRUE(main.widgetAs<QListWidget>(IDC_MOTION_LIST)->selectedItems().isEmpty());
        main.key(Qt::Key_End);
    });
    user.at("Translation", [](ScreenWindow& translation) { translation.key(Qt::Key_Escape); });
    user.at(kMain, [](ScreenWindow& main) { main.key(Qt::Key_Escape); });
    user.play([] { runProgram(); });
}

TEST_F(MainWindowOnScreen, ReturnPressesTheFocusedButtonElseTheDefaultOne) {
    ScreenUser user(display());
    user.at(kMain, [](ScreenWindow& main) { main.key(Qt::Key_Return); });
    user.at(kAbout, [](ScreenWindow& about) {
        EXPECT_EQ(about.focusedId(), IDOK);
        about.key(Qt::Key_Return);
    });
    user.at(kMain, [](ScreenWindow& main) {
        main.key(Qt::Key_Tab);
        ASSERT_EQ(main.focusedId(), IDCANCEL);
        // The default look follows the focused push button.
        EXPECT_TRUE(main.widgetAs<QPushButton>(IDCANCEL)->isDefault());
        EXPECT_FALSE(main.widgetAs<QPushButton>(IDOK)->isDefault());
        main.key(Qt::Key_Return);
    });
    bool ended = false;
    user.play([&] {
        runProgram();
        ended = true;
    });
    EXPECT_TRUE(ended);
    EXPECT_EQ(user.visited(), (std::vector<std::string>{kMain, kAbout, kMain}));
}

TEST_F(MainWindowOnScreen, ClickingButtonsRunsTheirCommands) {
    ScreenUser user(display());
    user.at(kMain, [](ScreenWindow& main) { main.click(IDOK); });
    user.at(kAbout, [](ScreenWindow& about) { about.click(IDOK); });
    user.at(kMain, [](ScreenWindow& main) { main.click(IDCANCEL); });
    user.play([] { runProgram(); });
    EXPECT_EQ(user.visited(), (std::vector<std::string>{kMain, kAbout, kMain}));
}

TEST_F(MainWindowOnScreen, TheBackgroundMenuOffersTheSystemMenuWithTheAboutEntry) {
    ScreenUser user(display());
    user.at(kMain, [](ScreenWindow& main) { main.rightClick(backgroundOf(main)); });
    user.atMenu([](QMenu& menu) {
        const QList<QAction*> actions = menu.actions();
        ASSERT_GE(actions.size(), 2);
        EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
        QAction* about = actions.back();
        EXPECT_EQ(about->text(), "&About resonix...");
        QTest::mouseClick(&menu, Qt::LeftButton, Qt::NoModifier, menu.actionGeometry(about).center());
    });
    user.at(kAbout, [](ScreenWindow& about) { about.key(Qt::Key_Escape); });
    user.at(kMain, [](ScreenWindow& main) { main.key(Qt::Key_Space, Qt::AltModifier); });
    user.atMenu([](QMenu& menu) {
        // The keyboard way: up from the top wraps to the last entry.
        QTest::keyClick(&menu, Qt::Key_Up);
        ASSERT_NE(menu.activeAction(), nullptr);
        EXPECT_EQ(menu.activeAction()->text(), "&About resonix...");
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    user.at(kAbout, [](ScreenWindow& about) { about.key(Qt::Key_Return); });
    user.at(kMain, [](ScreenWindow& main) { main.rightClick(backgroundOf(main)); });
    user.atMenu([](QMenu& menu) {
        for (QAction* action : menu.actions()) {
            if (action->text().startsWith("&Close")) QTest::mouseClick(&menu, Qt::LeftButton, Qt::NoModifier, menu.actionGeometry(action).center());
        }
    });
    user.play([] { runProgram(); });
    EXPECT_EQ(user.visited(), (std::vector<std::string>{kMain, "(menu)", kAbout, kMain, "(menu)", kAbout, kMain, "(menu)"}));
}

TEST_F(MainWindowOnScreen, TheCloseBoxEndsTheProgram) {
    ScreenUser user(display());
    user.at(kMain, [](ScreenWindow& main) {
        // The way the desktop's close box closes a window.
        main.surface()->windowHandle()->close();
    });
    user.play([] { runProgram(); });
    EXPECT_EQ(user.visited(), std::vector<std::string>{kMain});
}

TEST_F(MainWindowOnScreen, MinimisedTheWindowShowsTheIconThatTheProgramPaints) {
    ScreenUser user(display());
    user.at(kMain, [&](ScreenWindow& main) {
        // The desktop minimises the window.
        QWindow* window = main.surface()->windowHandle();
        window->setWindowStates(Qt::WindowMinimized);
        ASSERT_TRUE(processEventsUntil([&] { return IsIconic(main.dialog()) != FALSE; }));
        const QImage picture = display().minimizedPicture(main.dialog()).convertToFormat(QImage::Format_ARGB32);
        const PixelImage* icon = resonixResources()->icon(IDR_MAINFRAME)->imageFor(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
        ASSERT_NE(icon, nullptr);
        ASSERT_EQ(picture.size(), QSize(icon->width, icon->height));
        int differing = 0;
        for (int y = 0; y < icon->height; ++y) {
            for (int x = 0; x < icon->width; ++x) {
                if (picture.pixel(x, y) != icon->argbAt(x, y)) ++differing;
            }
        }
        EXPECT_EQ(differing, 0) << "pixels unlike the program's icon";

        window->setWindowStates(Qt::WindowNoState);
        EXPECT_TRUE(processEventsUntil([&] { return IsIconic(main.dialog()) == FALSE; }));
        const POINT client = WindowSystem::instance().findDialog(main.dialog())->clientSize();
        EXPECT_EQ(QSize(client.x, client.y), main.surface()->size());
    });
    user.at(kMain, [](ScreenWindow& main) { main.key(Qt::Key_Escape); });
    user.play([] { runProgram(); });
}

}  // namespace
