#pragma once

#include <cstdarg>
#include <string>

// printf-style formatting, done by the program itself so that every platform
// prints the same texts: the texts glibc's printf gives in the "C" locale,
// with two-digit exponents where two suffice ("3.494e+04") and "inf", "-inf",
// "nan", "-nan" for infinities and not-a-numbers.
//
// A directive is '%', then any of the flags '-', '+', ' ', '0' and '#', a
// width and a '.' precision, each optional and each as digits or '*' (an int
// argument: a negative width is the '-' flag and its size, a negative
// precision counts as none), and one of the conversions d (int), s (const
// char*), e, f, g (double) and %. Flags that printf leaves undefined act as
// in glibc: '#' changes nothing in d and s, '0' pads s with blanks, '+' and
// ' ' change nothing in s, and % prints '%' whatever its flags, width and
// precision, taking the arguments their '*'s ask for.
// Any other directive (a length modifier, another flag or conversion, a width
// or precision over kMaxField, a '*' width under -kMaxField) is refused: it
// is copied as it stands together with the rest of the format, and no
// further argument is taken.
namespace numbers {

inline constexpr int kMaxField = 100000;

std::string formatPrintf(const char* format, va_list args);
// The same with the arguments given here.
std::string format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace numbers
