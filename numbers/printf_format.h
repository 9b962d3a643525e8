#pragma once

#include <cstdarg>
#include <string>

// printf-style formatting, done by the program itself so that every platform
// prints the same texts: numbers as glibc's printf prints them in the "C"
// locale, with two-digit exponents where two suffice ("3.494e+04") and "inf", "-inf", "nan", "-nan".
//
// It supports what the program and its tests use, and no more:
//   flags '-', '+', ' ', '0'; a width and a '.' precision, each as digits
//   or '*'; conversions g, e, f (double), d (int), s (const char*) and %%.
// Any other directive (a length modifier, '#', another conversion, a width
// or precision over kMaxField) is copied as it stands together with the rest
// of the format, and no further argument is taken.
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
