#pragma once

#include "windowing/key.h"
#include "portable/win_types.h"

class WindowSystem;

// The dialog manager: what the keys do in a dialog.
// - Tab and Shift+Tab move the focus to the next or previous visible, enabled
//   tab stop in template order, wrapping around.
// - Enter presses the button that looks like the default one: a focused push
//   button, else the dialog's default button, whose command is sent even
//   when that button is hidden.
// - Space presses a focused push button; Escape sends IDCANCEL.
// - The arrows, Home and End move the selection of a focused list.
// A focused control that asks for Enter and Space (WM_GETDLGCODE) gets them
// before the dialog does.
class DialogManager {
public:
    explicit DialogManager(WindowSystem& windows) : m_windows(windows) {}

    // Carries out `key` in `dialog`, which takes input. False when a focused
    // list had no item to move to.
    bool pressKey(HWND dialog, Key key);

    // The next (or previous) visible, enabled tab stop of a dialog after
    // `from`, wrapping around; `from` may be null or the dialog itself.
    HWND nextTabStop(HWND dialog, HWND from, bool backwards) const;
    // The push button that Enter presses and that shows as the default one: a
    // focused push button, else the dialog's default button.
    HWND defaultLookingButton(HWND dialog) const;

private:
    // Sends the dialog the command of a click on `control`, which has id `id`.
    void sendCommand(HWND dialog, int id, HWND control);

    WindowSystem& m_windows;
};
