#pragma once

#include <string>

// The texts Calculate writes: printf-style formatting through the program's
// own formatter, and the echo of an input value.
namespace calculator {

// printf-style formatting through the program's text class.
std::string formatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// The text an input value is written back as: right-aligned in 14 characters,
// five significant digits when that reads back as the same double, otherwise
// the fewest digits that do, so a second Calculate computes with the very
// value the first one used. An infinity (typed beyond the range of a double)
// echoes as "inf" or "-inf", which, like any word, reads as 0.
std::string formatEcho(double value);

}  // namespace calculator
