#include <gtest/gtest.h>

#include "test_dialog.h"

using namespace test_dialog;

namespace {

class SystemMenu : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    static DialogTemplate resizable() {
        DialogTemplate dialog = makeTemplate();
        dialog.style |= WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        return dialog;
    }
    ScriptedUser user;
};

std::vector<UINT> commandsOf(HMENU menu) {
    std::vector<UINT> ids;
    for (const Menu::Item& item : menu->items()) ids.push_back(item.isSeparator() ? 0 : item.id);
    return ids;
}

TEST_F(SystemMenu, HasThePlatformsEntriesForTheWindowsStyles) {
    user.at("Test", [](UserAtWindow& window) {
        EXPECT_EQ(commandsOf(GetSystemMenu(window.dialog(), FALSE)),
                  (std::vector<UINT>{SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE}));
        window.press(Key::Escape);
    });
    run(resizable());

    DialogTemplate noMenu = makeTemplate();
    noMenu.style &= ~WS_SYSMENU;
    state().onInit = [](HWND dialog) {
        EXPECT_EQ(GetSystemMenu(dialog, FALSE), nullptr);
        return TRUE;
    };
    user.at("Test", [](UserAtWindow& window) { window.press(Key::Escape); });
    run(noMenu);
}

TEST_F(SystemMenu, AppendedEntriesSendTheirIdsAsSystemCommands) {
    static std::vector<WPARAM> commands;
    commands.clear();
    struct Recorder {
        static std::optional<LRESULT> procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_SYSCOMMAND) {
                commands.push_back(wParam);
                if (wParam == SC_CLOSE) return std::nullopt;  // default processing closes
                return 0;
            }
            return test_dialog::procedure(dialog, message, wParam, lParam);
        }
    };
    user.at("Test", [](UserAtWindow& window) {
        HMENU menu = GetSystemMenu(window.dialog(), FALSE);
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, 0x0010, "&About...");
        EXPECT_EQ(menu->items().back().text, "&About...");
        window.systemCommand(0x0010);
        EXPECT_FALSE(WindowSystem::instance().userChoosesSystemCommand(window.dialog(), 0x0020)) << "not in the menu";
        window.systemCommand(SC_CLOSE);
    });
    const DialogTemplate dialog = makeTemplate();
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, &dialog, nullptr, &Recorder::procedure, 0), IDCANCEL);
    EXPECT_EQ(commands, (std::vector<WPARAM>{0x0010, SC_CLOSE}));
}

// Minimise and Restore run through the main window's own tests.
TEST_F(SystemMenu, DefaultProcessingMaximisesAndHandsMoveAndSizeToTheDesktop) {
    user.at("Test", [](UserAtWindow& window) {
        window.systemCommand(SC_MAXIMIZE);
        EXPECT_TRUE(WindowSystem::instance().findDialog(window.dialog())->maximized());
        window.systemCommand(SC_MOVE);
        window.systemCommand(SC_SIZE);
        window.press(Key::Escape);
    });
    run(resizable());
    EXPECT_EQ(user.moveOrSizeRequests(), (std::vector<UINT>{SC_MOVE, SC_SIZE}));
}

TEST_F(SystemMenu, WhatTheDesktopDoesByItselfIsRecordedEvenWithoutTheCommand) {
    user.at("Test", [](UserAtWindow& window) {
        EXPECT_FALSE(WindowSystem::instance().userChoosesSystemCommand(window.dialog(), SC_MINIMIZE)) << "no minimise box";
        WindowSystem::instance().desktopChangedPlacement(window.dialog(), true, false);
        EXPECT_TRUE(IsIconic(window.dialog()));
        WindowSystem::instance().desktopChangedPlacement(window.dialog(), false, true);
        EXPECT_FALSE(IsIconic(window.dialog()));
        EXPECT_TRUE(WindowSystem::instance().findDialog(window.dialog())->maximized());
        window.press(Key::Escape);
    });
    run(makeTemplate());
}

TEST_F(SystemMenu, OffersWhatAppliesToTheWindowAsItIs) {
    struct Row {
        UINT command;  // what the user chose last; 0 for none
        std::vector<UINT> offered;
    };
    const Row rows[] = {
        {0, {SC_MOVE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE}},
        {SC_MINIMIZE, {SC_RESTORE, SC_MAXIMIZE, SC_CLOSE}},
        {SC_RESTORE, {SC_MOVE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE}},
        {SC_MAXIMIZE, {SC_RESTORE, SC_MINIMIZE, SC_CLOSE}},
    };
    user.at("Test", [&](UserAtWindow& window) {
        const DialogWindow* dialog = WindowSystem::instance().findDialog(window.dialog());
        for (const Row& row : rows) {
            if (row.command) window.systemCommand(row.command);
            std::vector<UINT> offered;
            for (UINT command : commandsOf(GetSystemMenu(window.dialog(), FALSE))) {
                if (command && dialog->offersSystemCommand(command)) offered.push_back(command);
            }
            EXPECT_EQ(offered, row.offered) << "after " << row.command;
        }
        window.press(Key::Escape);
    });
    run(resizable());
}

}  // namespace
