#pragma once

#include "windowing/win32_types.h"

#include <string>

// What kind of standard control a window is, read from its class and style,
// and the text it holds.
namespace control_kind {

bool IsButton(HWND window);
bool IsEdit(HWND window);
bool IsStatic(HWND window);
bool IsListBox(HWND window);
LONG Style(HWND window);
std::wstring Text(HWND window);

}  // namespace control_kind
