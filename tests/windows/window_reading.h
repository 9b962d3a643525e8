#pragma once

// What a window of another process shows, read through its messages.

#include <windows.h>

#include <set>
#include <string>
#include <vector>

// The control's text (WM_GETTEXT), whatever its kind.
std::wstring controlText(HWND dialog, int id);
std::wstring windowText(HWND window);
// A list box's items, in order.
std::vector<std::wstring> listItems(HWND dialog, int id);
// The selected position of a list box, or LB_ERR.
int listSelection(HWND dialog, int id);
// The ids of the dialog's visible child controls.
std::set<int> visibleControlIds(HWND dialog);
// The id of the control with the keyboard focus in the thread of `window`,
// 0 when the focus is elsewhere.
int focusedControlId(HWND window);
// What the program itself reports on a control's font (font_report.h): from
// outside, Windows tells nothing about fonts.
struct ControlFont {
    HWND control;
    bool fixedPitch;
    long room, inkFrom, inkTo;  // pixels: the width its text has, and where its ink stands in it
    std::string face;
};
// Asks the dialog for its report into `file`; empty if none comes.
std::vector<ControlFont> controlFonts(HWND dialog, const std::string& file);
// Waits until the thread of `window` has handled what is queued for it now.
void settle(HWND window);
