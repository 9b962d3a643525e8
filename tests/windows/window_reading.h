#pragma once

// What a window of another process shows, read through its messages.

#include <windows.h>

#include <set>
#include <string>
#include <vector>

// The control's text (WM_GETTEXT), whatever its kind.
std::wstring ControlText(HWND dialog, int id);
// A list box's items, in order.
std::vector<std::wstring> ListItems(HWND dialog, int id);
// The selected position of a list box, or LB_ERR.
int ListSelection(HWND dialog, int id);
// The ids of the dialog's visible child controls.
std::set<int> VisibleControlIds(HWND dialog);
// The id of the control with the keyboard focus in the thread of `window`,
// 0 when the focus is elsewhere.
int FocusedControlId(HWND window);
// Waits until the thread of `window` has handled what is queued for it now.
void Settle(HWND window);
