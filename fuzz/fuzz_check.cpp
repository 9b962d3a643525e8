#include "fuzz/fuzz_check.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "calculator/echo_text.h"
#include "numbers/printf_format.h"
#include "numbers/read_number.h"

namespace fuzz {

bool sameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

namespace {

// One "%W.Pg" at the front of `format`; advances past it.
bool readConversion(const char*& format, int& width, int& precision) {
    const char* const end = format + std::strlen(format);
    const std::from_chars_result w = std::from_chars(format + 1, end, width);
    if (w.ec != std::errc() || *w.ptr != '.') return false;
    const std::from_chars_result p = std::from_chars(w.ptr + 1, end, precision);
    if (p.ec != std::errc() || *p.ptr != 'g') return false;
    format = p.ptr + 1;
    return true;
}

// Whether `field` is what the program prints for some double with "%W.Pg":
// the number it reads as, printed again, gives the very same field. Numbers
// past the largest double, which the largest one rounds to at P digits
// ("1.798e+308"), read as inf; infinities and not-a-numbers print as words,
// which read as 0.
bool isPrintedNumber(const std::string& field, int width, int precision) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double read = numbers::readNumber(field);
    for (const double value : {read, std::copysign(std::numeric_limits<double>::max(), read), inf, -inf, nan, -nan}) {
        if (field == numbers::format("%*.*g", width, precision, value)) return true;
    }
    return false;
}

}  // namespace

bool fillsFormat(const std::string& text, const char* format) {
    std::size_t at = 0;
    while (*format) {
        if (*format != '%') {
            if (at >= text.size() || text[at] != *format) return false;
            ++at;
            ++format;
            continue;
        }
        int width = 0;
        int precision = 0;
        if (!readConversion(format, width, precision)) return false;
        // The field runs to the literal text that follows the conversion; a
        // number holds no blank, so that text is looked for past the padding.
        const char* literalEnd = std::strchr(format, '%');
        const std::string literal(format, literalEnd ? static_cast<std::size_t>(literalEnd - format) : std::strlen(format));
        const std::size_t number = text.find_first_not_of(' ', at);
        const std::size_t fieldEnd = literal.empty() ? text.size() : (number == std::string::npos ? std::string::npos : text.find(literal, number));
        if (fieldEnd == std::string::npos) return false;
        if (!isPrintedNumber(text.substr(at, fieldEnd - at), width, precision)) return false;
        at = fieldEnd;
    }
    return at == text.size();
}

std::string shown(const std::string& text) {
    std::string result;
    for (const char c : text) {
        if (c == '\r') result += "\\r";
        else if (c == '\n') result += "\\n";
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
            result += escaped;
        } else result += c;
    }
    return result;
}

}  // namespace fuzz
