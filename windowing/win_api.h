#pragma once

// The window system's calls, under the classic Win32 names and rules, for
// the class library to build on.

#include <span>

#include "windowing/device_context.h"
#include "portable/dialog_template.h"
#include "windowing/dialog_window.h"
#include "windowing/menu.h"
#include "windowing/resources.h"
#include "portable/win_types.h"

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Default processing of a message by the window's own class.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

BOOL ShowWindow(HWND window, int command);
BOOL SetWindowTextA(HWND window, LPCSTR text);
int GetWindowTextA(HWND window, LPSTR buffer, int size);
int GetWindowTextLengthA(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindow(HWND window);
BOOL IsWindowEnabled(HWND window);
BOOL IsIconic(HWND window);
HWND SetFocus(HWND window);
HWND GetFocus();
HWND GetDlgItem(HWND dialog, int id);
BOOL GetClientRect(HWND window, RECT* rect);
int GetSystemMetrics(int index);

HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
BOOL DrawIcon(HDC context, int x, int y, HICON icon);

// Runs a dialog modally: creates it and its controls from the template, sends
// WM_INITDIALOG, disables the owner, and returns the code given to EndDialog
// (-1 when the dialog could not be created or the run was abandoned). Hosted
// controls take their initial state from `dialogInit`, the dialog's
// initialisation data (RT_DLGINIT).
INT_PTR DialogBoxIndirectParamA(HINSTANCE module, const DialogTemplate* dialogTemplate, HWND owner, DLGPROC procedure, LPARAM param,
                                std::span<const BYTE> dialogInit = {});
BOOL EndDialog(HWND dialog, INT_PTR result);

// Creates a control of an outside class, named by its registered class
// identifier, in `rect` (pixels) of the dialog `parent`; null when hosting is
// off or no such class is registered.
HWND createHostedControl(LPCSTR classId, LPCSTR windowName, DWORD style, const RECT& rect, HWND parent, int id);
