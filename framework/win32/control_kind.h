#pragma once

#include "windowing/win32_types.h"

// What kind of standard control a window is, read from its class and style.
namespace control_kind {

bool IsEdit(HWND window);
bool IsStatic(HWND window);
LONG Style(HWND window);

}  // namespace control_kind
