#include "numbers/read_number.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace numbers {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a decimal number (no sign) that from_chars found out of range is
// too large rather than too small: where its first significant digit stands,
// counted from the point and moved by the exponent. Out of range lies
// hundreds of places away from the point on either side, so the side is all
// that matters, and a huge exponent may be capped.
bool isTooLarge(std::string_view number) {
    constexpr long long kCap = 1'000'000'000;
    std::size_t at = 0;
    long long place = 0;  // of the first significant digit: 0 for units, -1 for tenths
    bool seenDigit = false;
    for (; at < number.size() && isDigit(number[at]); ++at) {
        if (seenDigit) {
            if (place < kCap) ++place;
        } else if (number[at] != '0') {
            seenDigit = true;
        }
    }
    if (at < number.size() && number[at] == '.') {
        for (++at; at < number.size() && isDigit(number[at]); ++at) {
            if (seenDigit) continue;
            if (place > -kCap) --place;
            if (number[at] != '0') seenDigit = true;
        }
    }
    long long exponent = 0;
    if (at < number.size() && (number[at] == 'e' || number[at] == 'E')) {
        ++at;
        const bool negative = at < number.size() && number[at] == '-';
        if (at < number.size() && (number[at] == '-' || number[at] == '+')) ++at;
        for (; at < number.size() && isDigit(number[at]); ++at) {
            if (exponent < kCap) exponent = exponent * 10 + (number[at] - '0');
        }
        if (negative) exponent = -exponent;
    }
    return place + exponent > 0;
}

}  // namespace

double readNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // from_chars would also take "inf", "nan" and "infinity": only a digit,
    // or a point and a digit, begin a number here.
    const std::string_view rest = text.substr(at);
    const bool startsNumber = !rest.empty() && (isDigit(rest[0]) || (rest.size() > 1 && rest[0] == '.' && isDigit(rest[1])));
    if (!startsNumber) return 0.0;
    double value = 0.0;
    const std::from_chars_result read = std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
    if (read.ec == std::errc::result_out_of_range) {
        const std::string_view number(rest.data(), static_cast<std::size_t>(read.ptr - rest.data()));
        value = isTooLarge(number) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace numbers
