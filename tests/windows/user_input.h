#pragma once

// A user at the keyboard and mouse: real input (SendInput) that goes through
// the system's input queue to whichever window is under the pointer or has
// the focus, exactly as typing and clicking do.

#include <windows.h>

#include <string>

// Brings the top-level window to the front, as a click on its caption does:
// without a window manager a new window has no keyboard focus until then.
// False if it does not become the foreground window.
bool activate(HWND topLevel);
// A left click at the centre of the control.
void click(HWND dialog, int id);
// A left click on a list box item; scrolls the list first where the item is
// out of sight, as the user would.
void clickListItem(HWND dialog, int id, int index);
// Moves the pointer onto a list item, and leaves it resting there.
void pointAtListItem(HWND dialog, int id, int index);
// A left click on the window's close box; false if it has none.
bool clickCloseBox(HWND topLevel);
// Presses and releases a key, with Alt or Shift held.
void pressKey(WORD virtualKey, bool alt = false, bool shift = false);
// Types the text character by character.
void type(const std::wstring& text);
