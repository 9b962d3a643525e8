#pragma once

#include <string>

#include "portable/win_types.h"

// Texts that do not fit their control, fitted by the rule that every platform
// follows (portable/text_fitting), with widths the page measures: a line that
// must stay whole is set smaller, down to `smallestShare` of its normal size,
// a quarter point at a time; a multi-line field's lines are first scrolled
// past the blanks they all start with, then set smaller.
void fitOneLine(HWND control, const std::string& text, double smallestShare);
void fitLines(HWND control, const std::string& text);
