#include "fuzz/fuzz_check.h"

#include <cmath>

namespace fuzz {

bool sameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

namespace {

// One "%W.Pg" at the front of `format`; advances past it.
bool readConversion(const char*& format, int& width, int& precision) {
    char* end = nullptr;
    width = static_cast<int>(std::strtol(format + 1, &end, 10));
    if (*end != '.') return false;
    precision = static_cast<int>(std::strtol(end + 1, &end, 10));
    if (*end != 'g') return false;
    format = end + 1;
    return true;
}

// Whether `field` is what printf writes for some number with "%W.Pg". Read
// back as a long double: a double just under the largest one rounds, at P
// digits, to a number that is past the largest (1.798e+308).
bool isPrintedNumber(const std::string& field, int width, int precision) {
    const std::size_t digits = field.find_first_not_of(' ');
    if (digits == std::string::npos) return false;
    char* end = nullptr;
    const long double value = std::strtold(field.c_str() + digits, &end);
    if (end != field.c_str() + field.size()) return false;
    char again[512];
    std::snprintf(again, sizeof again, "%*.*Lg", width, precision, value);
    return field == again;
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
