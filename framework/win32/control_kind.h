#pragma once

#include "portable/win32_types.h"

#include <string>

// What kind of standard control a window is, read from its class and style,
// and the text it holds.
namespace control_kind {

bool isButton(HWND window);
bool isEdit(HWND window);
bool isStatic(HWND window);
bool isListBox(HWND window);
LONG style(HWND window);
std::wstring text(HWND window);

}  // namespace control_kind
