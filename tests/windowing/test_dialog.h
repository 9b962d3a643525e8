#pragma once

// A dialog for window-system tests: it records the notifications it gets,
// as "id:code" strings, and ends on IDOK and IDCANCEL.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/scripted_user.h"
#include "windowing/win_api.h"

namespace test_dialog {

inline constexpr int kButton = 10;     // push button "Push"
inline constexpr int kList = 11;       // list box with LBS_NOTIFY | LBS_SORT
inline constexpr int kQuietList = 12;  // list box without LBS_NOTIFY
inline constexpr int kEdit = 13;       // single-line edit
inline constexpr int kMultiEdit = 14;  // multi-line edit
inline constexpr int kReadOnly = 15;   // multi-line read-only edit
inline constexpr int kGroup = 16;      // group box

struct State {
    std::vector<std::string> log;
    std::function<BOOL(HWND)> onInit;  // the WM_INITDIALOG result
    bool endOnOkAndCancel = true;
};

inline State& state() {
    static State current;
    return current;
}

inline std::optional<LRESULT> procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return state().onInit ? state().onInit(dialog) : TRUE;
    if (message != WM_COMMAND) return std::nullopt;
    state().log.push_back(std::to_string(LOWORD(wParam)) + ":" + std::to_string(HIWORD(wParam)));
    if (state().endOnOkAndCancel && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) EndDialog(dialog, LOWORD(wParam));
    return 0;
}

inline ControlTemplate entry(ControlKind kind, int id, const char* text, DWORD style, short x = 10, short y = 10) {
    return makeControl(kind, id, text, x, y, 40, 12, style);
}

// OK (default), Cancel, a push button, two lists, three edits and a group box;
// every control but the group box and the read-only edit is a tab stop.
inline DialogTemplate makeTemplate(const char* caption = "Test") {
    DialogTemplate dialog;
    dialog.caption = caption;
    dialog.cx = 200;
    dialog.cy = 100;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog.controls = {
        entry(ControlKind::Button, IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP),
        entry(ControlKind::Button, IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP),
        entry(ControlKind::Button, kButton, "Push", BS_PUSHBUTTON | WS_TABSTOP),
        entry(ControlKind::ListBox, kList, "", LBS_NOTIFY | LBS_SORT | WS_TABSTOP),
        entry(ControlKind::ListBox, kQuietList, "", WS_TABSTOP),
        entry(ControlKind::Edit, kEdit, "start", ES_AUTOHSCROLL | WS_TABSTOP),
        entry(ControlKind::Edit, kMultiEdit, "", ES_MULTILINE | WS_TABSTOP),
        entry(ControlKind::Edit, kReadOnly, "", ES_MULTILINE | ES_READONLY),
        entry(ControlKind::Button, kGroup, "Group", BS_GROUPBOX),
    };
    return dialog;
}

// Runs the template modally; returns the end code.
inline INT_PTR run(const DialogTemplate& dialog, HWND owner = nullptr) {
    return DialogBoxIndirectParamA(nullptr, &dialog, owner, &procedure, 0);
}

inline void reset() { state() = State{}; }

// Runs the test dialog with `step` as what the user does, the log emptied
// before it; Escape ends the run.
inline void inDialog(ScriptedUser& user, const std::function<void(UserAtWindow&)>& step) {
    user.at("Test", [step](UserAtWindow& window) {
        state().log.clear();
        step(window);
        window.press(Key::Escape);
    });
    run(makeTemplate());
}

inline std::vector<std::string> takeLog() {
    std::vector<std::string> log;
    log.swap(state().log);
    return log;
}

inline std::string code(int id, WORD notification) { return std::to_string(id) + ":" + std::to_string(notification); }

}  // namespace test_dialog
