#pragma once

// Pictures of windows as they are on the screen.

#include <windows.h>

#include <string>

// Saves what the screen shows of the top-level window, frame included, as a
// PNG file. False if it cannot.
bool saveWindowPicture(HWND topLevel, const std::wstring& path);
