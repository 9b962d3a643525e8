#include "framework/win32/control_kind.h"

#include <string>

namespace control_kind {

namespace {

bool hasClass(HWND window, const wchar_t* name) {
    wchar_t found[32] = {};
    GetClassNameW(window, found, 32);
    return _wcsicmp(found, name) == 0;
}

}  // namespace

bool IsEdit(HWND window) { return hasClass(window, L"EDIT"); }

bool IsStatic(HWND window) { return hasClass(window, L"STATIC"); }

LONG Style(HWND window) { return GetWindowLongW(window, GWL_STYLE); }

}  // namespace control_kind
