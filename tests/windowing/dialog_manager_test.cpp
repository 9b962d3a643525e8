#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "test_dialog.h"
#include "windowing/hosted_control.h"

using namespace test_dialog;

namespace {

class DialogManager : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    ScriptedUser user;
};

// What ends the run, and with which code, as a table. The main window's own
// table runs Escape, the close box, Close and Enter on a button through the
// program.
TEST_F(DialogManager, KeysAndButtonsSendTheirCommands) {
    struct Row {
        const char* action;
        std::function<void(UserAtWindow&)> act;
        INT_PTR result;
    };
    const std::vector<Row> rows = {
        {"a click on OK", [](UserAtWindow& w) { w.click(IDOK); }, IDOK},
        {"Enter in an edit", [](UserAtWindow& w) { w.focus(kEdit); w.press(Key::Return); }, IDOK},
        {"Space on Cancel", [](UserAtWindow& w) { w.focus(IDCANCEL); w.press(Key::Space); }, IDCANCEL},
        {"Space in a list, which sends nothing, then Escape",
         [](UserAtWindow& w) { w.focus(kList); w.press(Key::Space); EXPECT_TRUE(takeLog().empty()); w.press(Key::Escape); }, IDCANCEL},
        {"Enter with the default button hidden",
         [](UserAtWindow& w) { ShowWindow(w.control(IDOK), SW_HIDE); w.focus(kList); w.press(Key::Return); }, IDOK},
    };
    for (const Row& row : rows) {
        reset();
        user.at("Test", row.act);
        EXPECT_EQ(run(makeTemplate()), row.result) << row.action;
    }
}

// TRUE puts the focus on the first visible tab stop, as the calculators show
// with Calculate hidden; FALSE leaves it alone.
TEST_F(DialogManager, InitialisationThatReturnsFalseLeavesTheFocusAlone) {
    state().onInit = [](HWND) { return FALSE; };
    user.at("Test", [](UserAtWindow& window) {
        EXPECT_EQ(window.focusedId(), -2) << "FALSE leaves the focus alone";
        window.press(Key::Escape);
    });
    run(makeTemplate());
}

TEST_F(DialogManager, TabFollowsTemplateOrderSkippingHiddenAndNonTabStops) {
    user.at("Test", [](UserAtWindow& window) {
        ShowWindow(window.control(kQuietList), SW_HIDE);
        std::vector<int> forwards;
        for (int i = 0; i < 7; ++i) {
            window.press(Key::Tab);
            forwards.push_back(window.focusedId());
        }
        EXPECT_EQ(forwards, (std::vector<int>{IDCANCEL, kButton, kList, kEdit, kMultiEdit, IDOK, IDCANCEL}));
        window.press(Key::ShiftTab);
        window.press(Key::ShiftTab);
        EXPECT_EQ(window.focusedId(), kMultiEdit);
        window.press(Key::Escape);
    });
    run(makeTemplate());
}

TEST_F(DialogManager, HidingTheFocusedControlGivesTheFocusToTheDialog) {
    user.at("Test", [](UserAtWindow& window) {
        window.focus(kEdit);
        ShowWindow(window.control(kEdit), SW_HIDE);
        EXPECT_EQ(window.focusedId(), 0);
        window.press(Key::Return);
    });
    EXPECT_EQ(run(makeTemplate()), IDOK);
}

// Where dialog units put each control is LayoutInAKnownFont's, on screen.
TEST_F(DialogManager, ATemplateAtTheOriginIsCentredOnTheScreen) {
    user.at("Test", [](UserAtWindow& window) {
        const Window* dialog = WindowSystem::instance().find(window.dialog());
        // 200 x 100 dialog units with 8 x 16 base units: 400 x 200 pixels.
        EXPECT_EQ(dialog->rect(), (RECT{312, 284, 712, 484}));
        RECT client;
        GetClientRect(window.dialog(), &client);
        EXPECT_EQ(client, (RECT{0, 0, 400, 200}));
        window.press(Key::Escape);
    });
    run(makeTemplate());
}

TEST_F(DialogManager, AScriptThatEndsEarlyAbandonsTheRunInsteadOfWaiting) {
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                                                            &failures);
        EXPECT_EQ(run(makeTemplate()), -1);
        EXPECT_EQ(run(makeTemplate()), -1) << "no further run starts once abandoned";
    }
    EXPECT_EQ(failures.size(), 1) << "the script's end is reported once";
    EXPECT_EQ(WindowSystem::instance().windowCount(), 0U);
}

TEST_F(DialogManager, AHostedControlNeedsHostingAndARegisteredClass) {
    DialogTemplate dialog = makeTemplate();
    ControlTemplate hosted = entry(ControlKind::Hosted, 20, "", WS_TABSTOP);
    hosted.classId = "{00000000-0000-0000-0000-000000000001}";
    dialog.controls.push_back(hosted);
    HostedControlRegistry& registry = HostedControlRegistry::instance();

    EXPECT_EQ(run(dialog), -1) << "hosting is off";
    registry.enableHosting();
    EXPECT_EQ(run(dialog), -1) << "no class is registered";
    registry.registerClass(hosted.classId, [](const ControlTemplate& control) { return std::make_unique<HostedControl>(control); });
    user.at("Test", [](UserAtWindow& window) {
        EXPECT_EQ(WindowSystem::instance().find(window.control(20))->kind(), ControlKind::Hosted);
        window.press(Key::Escape);
    });
    EXPECT_EQ(run(dialog), IDCANCEL);
    EXPECT_EQ(user.opened().size(), 1U) << "the failed runs never showed a window";
}

}  // namespace
