#pragma once

// What the program's C++20 takes from the standard library and Debian's
// emscripten 3.1.6 lacks: its libc++ 13 has no std::bit_cast, and its
// <charconv> reads and prints no floating-point numbers. The browser build
// includes this header ahead of every source (cmake/web.cmake). The numbers
// are read and printed through the C library of that toolchain, musl, whose
// printf and strtod round exactly, as the standard library's to_chars and
// from_chars do. Only the overloads that the program and its tests call.

#if defined(__cplusplus)
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace std {

#if !defined(__cpp_lib_bit_cast)
template <class To, class From>
constexpr To bit_cast(const From& from) noexcept {
    return __builtin_bit_cast(To, from);
}
#endif

#if _LIBCPP_VERSION < 14000
// As printf's %.*e, %.*f or %.*g (%.*a for hex) in the "C" locale.
inline to_chars_result to_chars(char* first, char* last, double value, chars_format format, int precision) {
    const char* directive = format == chars_format::scientific ? "%.*e"
                            : format == chars_format::fixed    ? "%.*f"
                            : format == chars_format::hex      ? "%.*a"
                                                               : "%.*g";
    if (precision < 0) precision = 6;
    const int length = snprintf(nullptr, 0, directive, precision, value);
    if (length < 0 || length > last - first) return {last, errc::value_too_large};
    string text(static_cast<size_t>(length) + 1, '\0');
    snprintf(text.data(), text.size(), directive, precision, value);
    memcpy(first, text.data(), static_cast<size_t>(length));
    return {first + length, errc()};
}

// A decimal number, or "inf", "infinity" or "nan" in either case, after an
// optional '-': no blanks, no '+', no hexadecimal. Out of range, `value` is
// left alone.
inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format = chars_format::general) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto startsWith = [last](const char* at, const char* word) {
        const size_t length = strlen(word);
        if (static_cast<size_t>(last - at) < length) return false;
        for (size_t i = 0; i < length; ++i) {
            if ((at[i] | 0x20) != word[i]) return false;
        }
        return true;
    };
    const char* at = first;
    const bool negative = at < last && *at == '-';
    if (negative) ++at;
    if (startsWith(at, "inf") || startsWith(at, "nan")) {
        const double magnitude = startsWith(at, "inf") ? HUGE_VAL : nan("");
        at += startsWith(at, "infinity") ? 8 : 3;
        value = negative ? -magnitude : magnitude;
        return {at, errc()};
    }
    const char* const number = at;
    bool nonZero = false;
    bool anyDigit = false;
    for (; at < last && isDigit(*at); ++at) {
        anyDigit = true;
        nonZero = nonZero || *at != '0';
    }
    if (at < last && *at == '.') {
        for (++at; at < last && isDigit(*at); ++at) {
            anyDigit = true;
            nonZero = nonZero || *at != '0';
        }
    }
    if (!anyDigit) return {first, errc::invalid_argument};
    if (at < last && (*at == 'e' || *at == 'E')) {
        const char* exponent = at + 1;
        if (exponent < last && (*exponent == '+' || *exponent == '-')) ++exponent;
        if (exponent < last && isDigit(*exponent)) {
            for (at = exponent; at < last && isDigit(*at); ++at) {
            }
        }
    }
    // Delimited here: strtod alone would read further forms.
    const double magnitude = strtod(string(number, at).c_str(), nullptr);
    if (isinf(magnitude) || (magnitude == 0.0 && nonZero)) return {at, errc::result_out_of_range};
    value = negative ? -magnitude : magnitude;
    return {at, errc()};
}
#endif

}  // namespace std
#endif
