#include "framework/win32/control_kind.h"

namespace control_kind {

namespace {

// Class names are matched as Windows matches them, whatever their case:
// GetClassName gives "Edit" for a control made as "EDIT".
bool hasClass(HWND window, const wchar_t* name) {
    wchar_t found[32] = {};
    GetClassNameW(window, found, 32);
    return _wcsicmp(found, name) == 0;
}

}  // namespace

bool isButton(HWND window) { return hasClass(window, L"BUTTON"); }

bool isEdit(HWND window) { return hasClass(window, L"EDIT"); }

bool isStatic(HWND window) { return hasClass(window, L"STATIC"); }

bool isListBox(HWND window) { return hasClass(window, L"LISTBOX"); }

LONG style(HWND window) { return GetWindowLongW(window, GWL_STYLE); }

std::wstring text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace control_kind
