#pragma once

#include <string>

#include "portable/win_types.h"

// Texts that do not fit their control, as the page measures them: a line
// that must stay whole is set smaller, down to `smallestShare` of its normal
// size in quarter points, and cut only past that; a multi-line field whose
// lines all start with blanks is scrolled past as many of them as its widest
// line needs. The limits are portable/text_fitting.h's.
void fitOneLine(HWND control, const std::string& text, double smallestShare);
void scrollPastCommonBlanks(HWND control, const std::string& text);
