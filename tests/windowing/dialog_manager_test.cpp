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

// What ends the run, and with which code, as a table.
TEST_F(DialogManager, KeysButtonsAndTheCloseBoxSendTheirCommands) {
    struct Row {
        const char* action;
        std::function<void(UserAtWindow&)> act;
        INT_PTR result;
    };
    const std::vector<Row> rows = {
        {"Escape", [](UserAtWindow& w) { w.press(Key::Escape); }, IDCANCEL},
        {"the close box", [](UserAtWindow& w) { w.closeBox(); }, IDCANCEL},
        {"Close on the system menu", [](UserAtWindow& w) { w.systemCommand(SC_CLOSE); }, IDCANCEL},
        {"a click on OK", [](UserAtWindow& w) { w.click(IDOK); }, IDOK},
        {"a click on Cancel", [](UserAtWindow& w) { w.click(IDCANCEL); }, IDCANCEL},
        {"Enter in an edit", [](UserAtWindow& w) { w.focus(kEdit); w.press(Key::Return); }, IDOK},
        {"Enter in a list", [](UserAtWindow& w) { w.focus(kList); w.press(Key::Return); }, IDOK},
        {"Enter on Cancel", [](UserAtWindow& w) { w.focus(IDCANCEL); w.press(Key::Return); }, IDCANCEL},
        {"Space on Cancel", [](UserAtWindow& w) { w.focus(IDCANCEL); w.press(Key::Space); }, IDCANCEL},
        {"Enter with the default button hidden",
         [](UserAtWindow& w) { ShowWindow(w.control(IDOK), SW_HIDE); w.focus(kList); w.press(Key::Return); }, IDOK},
    };
    for (const Row& row : rows) {
        reset();
        user.at("Test", row.act);
        EXPECT_EQ(run(makeTemplate()), row.result) << row.action;
    }
}

TEST_F(DialogManager, EnterOnAnotherPushButtonSendsThatButtonsCommand) {
    user.at("Test", [](UserAtWindow& window) {
        window.focus(kButton);
        takeLog();
        window.press(Key::Return);
        EXPECT_EQ(takeLog(), std::vector<std::string>{code(kButton, BN_CLICKED)});
        EXPECT_EQ(WindowSystem::instance().dialogManager().defaultLookingButton(window.dialog()), window.control(kButton));
        window.focus(kEdit);
        EXPECT_EQ(WindowSystem::instance().dialogManager().defaultLookingButton(window.dialog()), window.control(IDOK));
        window.press(Key::Escape);
    });
    run(makeTemplate());
}

TEST_F(DialogManager, FocusStartsOnTheFirstVisibleTabStopWhenInitialisationSaysSo) {
    state().onInit = [](HWND dialog) {
        ShowWindow(GetDlgItem(dialog, IDOK), SW_HIDE);
        return TRUE;
    };
    user.at("Test", [](UserAtWindow& window) {
        EXPECT_EQ(window.focusedId(), IDCANCEL);
        window.press(Key::Escape);
    });
    run(makeTemplate());

    reset();
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

TEST_F(DialogManager, ControlsAreCreatedAfreshAtEveryRun) {
    const DialogTemplate dialog = makeTemplate();
    user.at("Test", [](UserAtWindow& window) {
        SetWindowTextA(window.control(kEdit), "changed");
        ShowWindow(window.control(kButton), SW_HIDE);
        window.press(Key::Escape);
    });
    user.at("Test", [](UserAtWindow& window) {
        EXPECT_EQ(window.text(kEdit), "start");
        EXPECT_TRUE(window.visible(kButton));
        window.press(Key::Escape);
    });
    run(dialog);
    run(dialog);
    EXPECT_EQ(user.opened(), (std::vector<std::string>{"Test", "Test"}));
}

TEST_F(DialogManager, ANestedRunDisablesItsOwnerUntilItEnds) {
    static HWND outer = nullptr;
    user.at("Outer", [](UserAtWindow& window) {
        outer = window.dialog();
        EXPECT_EQ(run(makeTemplate("Inner"), outer), IDCANCEL);
        EXPECT_TRUE(IsWindowEnabled(outer));
        window.click(IDOK);
    });
    user.at("Inner", [](UserAtWindow& window) {
        EXPECT_FALSE(IsWindowEnabled(outer));
        EXPECT_FALSE(WindowSystem::instance().userClicks(GetDlgItem(outer, IDOK))) << "the owner takes no input";
        EXPECT_EQ(WindowSystem::instance().modalStack().size(), 2U);
        window.closeBox();
    });
    EXPECT_EQ(run(makeTemplate("Outer")), IDOK);
}

TEST_F(DialogManager, TheFocusReturnsToTheOwnersControlAfterANestedRun) {
    user.at("Outer", [](UserAtWindow& window) {
        window.focus(kList);
        run(makeTemplate("Inner"), window.dialog());
        EXPECT_EQ(window.focusedId(), kList);
        window.press(Key::Escape);
    });
    user.at("Inner", [](UserAtWindow& window) { window.press(Key::Escape); });
    run(makeTemplate("Outer"));
}

TEST_F(DialogManager, ATemplateAtTheOriginIsCentredAndScaledByTheFontsBaseUnits) {
    user.at("Test", [](UserAtWindow& window) {
        const Window* dialog = WindowSystem::instance().find(window.dialog());
        // 200 x 100 dialog units with 8 x 16 base units: 400 x 200 pixels.
        EXPECT_EQ(dialog->rect(), (RECT{312, 284, 712, 484}));
        RECT client;
        GetClientRect(window.dialog(), &client);
        EXPECT_EQ(client, (RECT{0, 0, 400, 200}));
        // A control at (10, 10), 40 x 12 units.
        EXPECT_EQ(WindowSystem::instance().find(window.control(kEdit))->rect(), (RECT{20, 20, 100, 44}));
        window.press(Key::Escape);
    });
    run(makeTemplate());
}

TEST_F(DialogManager, LayoutFollowsTheDesktopsFontSize) {
    user.setBaseUnits({7, 14});
    user.at("Test", [](UserAtWindow& window) {
        // (10, 10, 40 x 12) in units of 7/4 x 14/8 pixels, rounded half away from zero.
        EXPECT_EQ(WindowSystem::instance().find(window.control(kEdit))->rect(), (RECT{18, 18, 88, 39}));
        window.press(Key::Escape);
    });
    run(makeTemplate());
}

TEST_F(DialogManager, APictureControlTakesTheSizeOfItsBitmap) {
    ResourceModule module;
    module.addBitmap(7, PixelImage{3, 2, {"0F0", "F0F"}});
    DialogTemplate dialog = makeTemplate();
    ControlTemplate picture = makeControl(ControlKind::Static, 30, "", 10, 10, 40, 40, SS_BITMAP);
    picture.imageId = 7;
    dialog.controls.push_back(picture);
    ControlTemplate missing = picture;
    missing.id = 31;
    missing.imageId = 8;
    dialog.controls.push_back(missing);
    user.at("Test", [](UserAtWindow& window) {
        EXPECT_EQ(WindowSystem::instance().find(window.control(30))->rect(), (RECT{20, 20, 23, 22}));
        EXPECT_EQ(WindowSystem::instance().find(window.control(31))->rect(), (RECT{20, 20, 100, 100})) << "no bitmap: as placed";
        window.press(Key::Escape);
    });
    DialogBoxIndirectParamA(&module, &dialog, nullptr, &procedure, 0);
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
