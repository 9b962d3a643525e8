#pragma once

// The window system the class library runs over, and the seam between them.
// The class library calls the platform by its Win32 names: on Windows those
// are the real ones, elsewhere the program's own window system (windowing/).
// What has no Win32 counterpart, or crosses it differently, is declared below
// and defined once per platform (platform_linux.cpp, win32/platform_win32.cpp).

#include <optional>
#include <string>

#if defined(_WIN32)
#include "portable/win32_types.h"
#else
#include "windowing/class_id.h"
#include "windowing/win_api.h"
#endif

namespace platform {

// The dialog procedure of the class library: a result for the messages it
// takes, nothing for those left to the dialog's default processing.
using DialogProcedure = std::optional<LRESULT> (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The module whose resources the program uses, set once at start-up.
void setProgramInstance(HINSTANCE instance);
HINSTANCE programInstance();

// Runs the dialog of template `templateId` modally, owned by `owner`; the
// procedure gets `param` with WM_INITDIALOG. The code given to EndDialog, or
// -1 when there is no such template or the dialog could not be created.
INT_PTR runDialog(UINT templateId, HWND owner, DialogProcedure procedure, LPARAM param);

// String resource `id` of the program, as UTF-8.
std::optional<std::string> loadProgramString(UINT id);

// Texts as the program holds them (UTF-8) in and out of windows and menus.
void setWindowTextUtf8(HWND window, const char* text);
std::string windowTextUtf8(HWND window);
BOOL appendMenuUtf8(HMENU menu, UINT flags, UINT_PTR id, const char* text);
// SendMessage, with the texts that messages carry (list box items) as UTF-8.
LRESULT sendMessageUtf8(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The registry form of a class identifier, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
std::string classIdText(REFCLSID classId);
// Lets dialogs created from now on host controls of outside classes.
void enableControlHosting();
// Creates a control of an outside class, named by its class identifier
// ("{XXXXXXXX-...}"), in `rect` (pixels) of `parent`; null when there is none.
HWND createControlByClassId(const char* classId, const char* windowName, DWORD style, const RECT& rect, HWND parent, int id);

}  // namespace platform
