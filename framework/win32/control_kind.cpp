#include "framework/win32/control_kind.h"

namespace control_kind {

ControlKind kindOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return kindOfClass(name);
}

ControlRole roleOf(HWND window) { return ::roleOf(kindOf(window), static_cast<DWORD>(style(window))); }

bool isEdit(HWND window) { return kindOf(window) == ControlKind::Edit; }

bool isStatic(HWND window) { return kindOf(window) == ControlKind::Static; }

bool isListBox(HWND window) { return kindOf(window) == ControlKind::ListBox; }

LONG style(HWND window) { return GetWindowLongW(window, GWL_STYLE); }

std::wstring text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace control_kind
