#include <gtest/gtest.h>

#include "app/motion_dlg.h"
#include "app/resonix_app.h"
#include "res/resource.h"
#include "res/resources.h"
#include "support/scripted_user.h"
#include "windowing/dialog_window.h"

namespace {

const std::string kMain = kMainCaption;

int runProgram(HINSTANCE module = resonixResources()) { return AfxWinMain(module, nullptr, nullptr, SW_SHOWDEFAULT); }

const std::vector<std::string> kMotions = {"Rotation", "Translation"};

void expectListRefilled(UserAtWindow& main) {
    EXPECT_EQ(main.items(IDC_MOTION_LIST), kMotions);
    EXPECT_EQ(main.selection(IDC_MOTION_LIST), -1);
}

class MainWindow : public ::testing::Test {
protected:
    ScriptedUser user;
};

TEST_F(MainWindow, OpensWithBothMotionsUnselectedAndTheFocusOnVisitWebSite) {
    user.at(kMain, [](UserAtWindow& main) {
        expectListRefilled(main);
        EXPECT_EQ(main.focusedId(), IDOK);
        EXPECT_EQ(main.text(IDOK), "Visit Web Site");
        EXPECT_EQ(main.text(IDCANCEL), "Exit");
        EXPECT_TRUE(WindowSystem::instance().findDialog(main.dialog())->systemMenuIfAny());
        main.click(IDCANCEL);
    });
    EXPECT_EQ(runProgram(), 0);
}

TEST_F(MainWindow, SystemMenuEndsWithTheAboutEntryAndTheIconIsSet) {
    user.at(kMain, [](UserAtWindow& main) {
        const DialogWindow* dialog = WindowSystem::instance().findDialog(main.dialog());
        const auto& items = dialog->systemMenuIfAny()->items();
        ASSERT_GE(items.size(), 2U);
        EXPECT_TRUE(items[items.size() - 2].isSeparator());
        EXPECT_EQ(items.back().text, "&About resonix...");
        EXPECT_EQ(items.back().id, IDM_ABOUTBOX);
        HICON icon = resonixResources()->icon(IDR_MAINFRAME);
        EXPECT_EQ(dialog->icon(true), icon);
        EXPECT_EQ(dialog->icon(false), icon);
        ASSERT_NE(icon, nullptr);
        EXPECT_NE(icon->imageFor(32, 32), icon->imageFor(16, 16));
        main.press(Key::Escape);
    });
    runProgram();
}

TEST_F(MainWindow, WithoutTheAboutStringNoEntryIsAdded) {
    ResourceModule module = *resonixResources();
    module.addString(IDS_ABOUTBOX, "");
    user.at(kMain, [](UserAtWindow& main) {
        const auto& items = WindowSystem::instance().findDialog(main.dialog())->systemMenuIfAny()->items();
        EXPECT_FALSE(items.back().isSeparator());
        EXPECT_EQ(items.back().id, SC_CLOSE);
        expectListRefilled(main);
        main.press(Key::Escape);
    });
    runProgram(&module);
}

TEST_F(MainWindow, ChoosingAMotionRunsItsCalculatorAndRefillsTheList) {
    static HWND mainWindow = nullptr;
    static std::vector<CWnd*> calculatorObjects;
    calculatorObjects.clear();
    auto closeCalculator = [](UserAtWindow& calculator) {
        EXPECT_FALSE(IsWindowEnabled(mainWindow)) << "the main window waits while a calculator runs";
        calculatorObjects.push_back(CWnd::FromHandlePermanent(calculator.dialog()));
        calculator.press(Key::Escape);
    };
    user.at(kMain, [](UserAtWindow& main) {
        mainWindow = main.dialog();
        main.choose(IDC_MOTION_LIST, 1);
        expectListRefilled(main);
        EXPECT_TRUE(IsWindowEnabled(mainWindow));
        main.choose(IDC_MOTION_LIST, 1);
        expectListRefilled(main);
        main.choose(IDC_MOTION_LIST, 0);
        expectListRefilled(main);
        main.click(IDCANCEL);
    });
    user.at("Translation", closeCalculator);
    user.at("Translation", closeCalculator);
    user.at("Rotation", closeCalculator);
    runProgram();
    EXPECT_EQ(user.opened(), (std::vector<std::string>{kMain, "Translation", "Translation", "Rotation"}));
    ASSERT_EQ(calculatorObjects.size(), 3U);
    EXPECT_EQ(calculatorObjects[0], calculatorObjects[1]) << "the same Translation object runs again";
    EXPECT_NE(calculatorObjects[0], calculatorObjects[2]);
}

TEST_F(MainWindow, ArrowKeysInTheListChooseAtOnce) {
    user.at(kMain, [](UserAtWindow& main) {
        main.focus(IDC_MOTION_LIST);
        main.press(Key::Down);  // nothing selected: the first entry
        expectListRefilled(main);
        main.press(Key::End);
        expectListRefilled(main);
        main.press(Key::Escape);
    });
    user.at("Rotation", [](UserAtWindow& rotation) { rotation.closeBox(); });
    user.at("Translation", [](UserAtWindow& translation) { translation.click(IDCANCEL); });
    runProgram();
}

TEST_F(MainWindow, AnIndexOutsideTheListRunsNothingButRefillsIt) {
    user.at(kMain, [](UserAtWindow& main) {
        SendMessageA(main.control(IDC_MOTION_LIST), LB_INSERTSTRING, 2, reinterpret_cast<LPARAM>("Vibration"));
        main.choose(IDC_MOTION_LIST, 2);
        expectListRefilled(main);
        main.press(Key::Escape);
    });
    runProgram();
    EXPECT_EQ(user.opened(), std::vector<std::string>{kMain});
}

// What each way of pressing does in the main window.
TEST_F(MainWindow, TheOkCommandRunsTheAboutBoxAndOnlyCancelEndsTheProgram) {
    struct Row {
        const char* action;
        std::function<void(UserAtWindow&)> act;
        bool opensAbout;
    };
    const std::vector<Row> rows = {
        {"clicking Visit Web Site", [](UserAtWindow& m) { m.click(IDOK); }, true},
        {"Enter on Visit Web Site", [](UserAtWindow& m) { m.press(Key::Return); }, true},
        {"Enter in the list", [](UserAtWindow& m) { m.focus(IDC_MOTION_LIST); m.press(Key::Return); }, true},
        {"the About entry", [](UserAtWindow& m) { m.systemCommand(IDM_ABOUTBOX); }, true},
        {"Enter on Exit", [](UserAtWindow& m) { m.focus(IDCANCEL); m.press(Key::Return); }, false},
        {"clicking Exit", [](UserAtWindow& m) { m.click(IDCANCEL); }, false},
        {"Escape", [](UserAtWindow& m) { m.press(Key::Escape); }, false},
        {"the close box", [](UserAtWindow& m) { m.closeBox(); }, false},
        {"Close on the system menu", [](UserAtWindow& m) { m.systemCommand(SC_CLOSE); }, false},
    };
    for (const Row& row : rows) {
        ScriptedUser script;
        script.at(kMain, row.act);
        if (row.opensAbout) {
            script.at("About resonix", [](UserAtWindow& about) { about.click(IDOK); });
            script.at(kMain, [](UserAtWindow& main) {
                expectListRefilled(main);
                main.press(Key::Escape);
            });
        }
        EXPECT_EQ(runProgram(), 0) << row.action;
        EXPECT_EQ(script.opened().size(), row.opensAbout ? 2U : 1U) << row.action;
    }
}

TEST_F(MainWindow, SystemCommandsSixteenToThirtyOneRunTheAboutBox) {
    static std::vector<std::string> outcomes;
    outcomes.clear();
    user.at(kMain, [](UserAtWindow& main) {
        for (UINT id : {15U, 16U, 17U, 31U, 32U, 0x10010U, 0xF010U}) {
            const std::size_t before = outcomes.size();
            SendMessageA(main.dialog(), WM_SYSCOMMAND, id, 0);
            if (outcomes.size() == before) outcomes.push_back(std::to_string(id) + " default");
        }
        main.systemCommand(SC_MINIMIZE);
        EXPECT_TRUE(IsIconic(main.dialog())) << "Minimise is the platform's";
        main.systemCommand(SC_RESTORE);
        main.press(Key::Escape);
    });
    for (UINT id : {16U, 17U, 31U, 0x10010U}) {
        user.at("About resonix", [id](UserAtWindow& about) {
            outcomes.push_back(std::to_string(id) + " about");
            about.press(Key::Escape);
        });
    }
    runProgram();
    EXPECT_EQ(outcomes, (std::vector<std::string>{"15 default", "16 about", "17 about", "31 about", "32 default",
                                                  std::to_string(0x10010U) + " about", std::to_string(0xF010U) + " default"}));
}

TEST(minimizedIconOrigin, CentresWithTruncatingDivision) {
    struct Row {
        LONG width;
        LONG height;
        POINT origin;
    };
    const Row rows[] = {{33, 33, {1, 1}}, {32, 32, {0, 0}}, {29, 29, {-1, -1}}, {28, 28, {-1, -1}}, {27, 40, {-2, 4}}};
    for (const Row& row : rows) {
        EXPECT_EQ(minimizedIconOrigin(RECT{0, 0, row.width, row.height}, 32, 32), row.origin) << row.width << "x" << row.height;
    }
    EXPECT_EQ(minimizedIconOrigin(RECT{10, 20, 43, 53}, 32, 32), (POINT{1, 1})) << "only the size counts";
}

TEST_F(MainWindow, WhileMinimisedItPaintsItsIconAndHandsItOutForDragging) {
    user.at(kMain, [](UserAtWindow& main) {
        HICON icon = resonixResources()->icon(IDR_MAINFRAME);
        const DialogWindow* dialog = WindowSystem::instance().findDialog(main.dialog());
        WindowSystem::instance().paint(main.dialog());
        ASSERT_NE(dialog->lastPaint(), nullptr);
        EXPECT_TRUE(dialog->lastPaint()->icons().empty()) << "a normal window leaves painting to the platform";

        main.systemCommand(SC_MINIMIZE);
        for (const auto& [size, origin] : {std::pair{33, 1}, std::pair{32, 0}, std::pair{29, -1}}) {
            WindowSystem::instance().userResizesClientArea(main.dialog(), size, size);
            WindowSystem::instance().paint(main.dialog());
            EXPECT_EQ(dialog->lastPaint()->icons(), (std::vector<DeviceContext::DrawnIcon>{{POINT{origin, origin}, icon}}))
                << size;
        }
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(main.dialog(), WM_QUERYDRAGICON, 0, 0)), icon);
        main.press(Key::Escape);
    });
    runProgram();
}

}  // namespace
