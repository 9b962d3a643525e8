#pragma once

// The window system's vocabulary on Windows: the platform's own types and
// constants, and the few names that the program's templates and resources
// use but <windows.h> leaves to the resource tools.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>

inline constexpr int IDC_STATIC = -1;
// The framework's help command.
inline constexpr UINT ID_HELP = 0xE146;
// A hosted control loads its initial state from the dialog's initialisation data.
inline constexpr UINT WM_OCC_LOADFROMSTREAM = 0x0376;
