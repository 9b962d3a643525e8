#pragma once

#include "portable/control_role.h"
#include "portable/win32_types.h"

#include <string>

// What kind of control a window is: its class and style, read from the
// window and handed to the portable decision (portable/control_role), and
// the text it holds.
namespace control_kind {

ControlKind kindOf(HWND window);
ControlRole roleOf(HWND window);
bool isEdit(HWND window);
bool isStatic(HWND window);
bool isListBox(HWND window);
LONG style(HWND window);
std::wstring text(HWND window);

}  // namespace control_kind
