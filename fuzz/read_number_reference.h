#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

// A second reader of typed numbers, written apart from the program's, for the
// number reader's fuzz target and its test: the decimal number a text begins
// with is cut out by the grammar here and converted by the C library's
// strtod, which is exact where glibc is the C library.
namespace reference {

// The decimal number that `text` begins with after blanks, its sign
// included: digits with at most one point among them (at least one digit),
// then an exponent only where digits follow the e and its sign. Empty when
// the text begins with no number.
inline std::string_view decimalPrefix(std::string_view text) {
    const char* const end = text.data() + text.size();
    const auto isEither = [end](const char* at, char a, char b) { return at != end && (*at == a || *at == b); };
    const auto skipDigits = [end](const char* at) {
        while (at != end && *at >= '0' && *at <= '9') ++at;
        return at;
    };
    const char* start = text.data();
    while (start != end && (*start == ' ' || (*start >= '\t' && *start <= '\r'))) ++start;
    const char* const integer = start + (isEither(start, '+', '-') ? 1 : 0);
    const char* const fraction = skipDigits(integer) + (isEither(skipDigits(integer), '.', '.') ? 1 : 0);
    const char* numberEnd = skipDigits(fraction);
    if (skipDigits(integer) == integer && numberEnd == fraction) return {};
    if (isEither(numberEnd, 'e', 'E')) {
        const char* const exponent = numberEnd + (isEither(numberEnd + 1, '+', '-') ? 2 : 1);
        if (skipDigits(exponent) != exponent) numberEnd = skipDigits(exponent);
    }
    return {start, static_cast<std::size_t>(numberEnd - start)};
}

// What `text` reads as: strtod of its decimal number, 0 without one.
inline double readNumber(std::string_view text) {
    const std::string prefix(decimalPrefix(text));
    return prefix.empty() ? 0.0 : std::strtod(prefix.c_str(), nullptr);
}

}  // namespace reference
