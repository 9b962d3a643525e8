#include "numbers/printf_format.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>
#include <vector>

namespace numbers {

namespace {

struct Directive {
    bool left = false;      // '-'
    bool plus = false;      // '+'
    bool space = false;     // ' '
    bool zeros = false;     // '0'
    int width = 0;
    int precision = -1;     // none
    char conversion = 0;
};

// Digits or '*' at `at`; false for a number past kMaxField.
bool readField(const char*& at, va_list& args, int& field) {
    if (*at == '*') {
        ++at;
        field = va_arg(args, int);
        return true;
    }
    field = 0;
    for (; *at >= '0' && *at <= '9'; ++at) {
        field = field * 10 + (*at - '0');
        if (field > kMaxField) return false;
    }
    return true;
}

// The directive that starts just past a '%'; false when it is not one this
// formatter supports.
bool readDirective(const char*& at, va_list& args, Directive& directive) {
    for (;; ++at) {
        if (*at == '-') directive.left = true;
        else if (*at == '+') directive.plus = true;
        else if (*at == ' ') directive.space = true;
        else if (*at == '0') directive.zeros = true;
        else break;
    }
    if (!readField(at, args, directive.width)) return false;
    if (directive.width < -kMaxField || directive.width > kMaxField) return false;
    if (directive.width < 0) {
        // As printf: a negative width argument is the '-' flag and its size.
        directive.left = true;
        directive.width = -directive.width;
    }
    if (*at == '.') {
        ++at;
        if (!readField(at, args, directive.precision)) return false;
        // As printf: a negative precision argument counts as none.
        if (directive.precision < 0) directive.precision = -1;
        if (directive.precision > kMaxField) return false;
    }
    if (*at == '\0' || !std::strchr("gefds%", *at)) return false;
    directive.conversion = *at++;
    return true;
}

// `body` (digits, without a sign) with `sign` in front, padded to the width.
void appendPadded(std::string& out, const Directive& directive, std::string_view sign, std::string_view body,
                  bool zerosAllowed) {
    const std::size_t length = sign.size() + body.size();
    const std::size_t padding = static_cast<std::size_t>(directive.width) > length ? static_cast<std::size_t>(directive.width) - length : 0;
    if (directive.left) {
        out.append(sign).append(body).append(padding, ' ');
    } else if (directive.zeros && zerosAllowed) {
        out.append(sign).append(padding, '0').append(body);
    } else {
        out.append(padding, ' ').append(sign).append(body);
    }
}

std::string_view signOf(const Directive& directive, bool negative) {
    if (negative) return "-";
    if (directive.plus) return "+";
    if (directive.space) return " ";
    return "";
}

void appendDouble(std::string& out, const Directive& directive, double value) {
    const int precision = directive.precision < 0 ? 6 : directive.precision;
    const double magnitude = std::fabs(value);
    // Room for 309 integer digits, the point, the precision's digits and an exponent.
    std::vector<char> buffer(static_cast<std::size_t>(precision) + 330);
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    std::to_chars_result written{};
    if (directive.conversion == 'f') {
        written = std::to_chars(first, last, magnitude, std::chars_format::fixed, precision);
    } else if (directive.conversion == 'e') {
        written = std::to_chars(first, last, magnitude, std::chars_format::scientific, precision);
    } else {
        written = std::to_chars(first, last, magnitude, std::chars_format::general, precision == 0 ? 1 : precision);
    }
    const std::string_view body(first, written.ec == std::errc() ? static_cast<std::size_t>(written.ptr - first) : 0);
    // Infinities and not-a-numbers are padded with blanks, never zeros.
    appendPadded(out, directive, signOf(directive, std::signbit(value)), body, std::isfinite(value));
}

void appendInt(std::string& out, const Directive& directive, int value) {
    const unsigned magnitude = value < 0 ? 0U - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    char digits[16];
    const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, magnitude);
    std::string body(digits, written.ptr);
    if (directive.precision >= 0) {
        // The precision is the least number of digits; 0 with precision 0 prints none.
        if (directive.precision == 0 && magnitude == 0) body.clear();
        if (body.size() < static_cast<std::size_t>(directive.precision)) {
            body.insert(0, static_cast<std::size_t>(directive.precision) - body.size(), '0');
        }
    }
    appendPadded(out, directive, signOf(directive, value < 0), body, directive.precision < 0);
}

void appendText(std::string& out, const Directive& directive, const char* text) {
    std::string_view body = text ? std::string_view(text) : std::string_view("(null)");
    if (directive.precision >= 0 && body.size() > static_cast<std::size_t>(directive.precision)) {
        body = body.substr(0, static_cast<std::size_t>(directive.precision));
    }
    appendPadded(out, directive, "", body, false);
}

}  // namespace

std::string formatPrintf(const char* format, va_list args) {
    std::string out;
    va_list rest;
    va_copy(rest, args);
    for (const char* at = format; *at;) {
        if (*at != '%') {
            out += *at++;
            continue;
        }
        const char* const start = at;
        ++at;
        Directive directive;
        if (!readDirective(at, rest, directive)) {
            out.append(start);
            break;
        }
        switch (directive.conversion) {
        case '%': out += '%'; break;
        case 'd': appendInt(out, directive, va_arg(rest, int)); break;
        case 's': appendText(out, directive, va_arg(rest, const char*)); break;
        default: appendDouble(out, directive, va_arg(rest, double)); break;
        }
    }
    va_end(rest);
    return out;
}

std::string format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatPrintf(format, args);
    va_end(args);
    return text;
}

}  // namespace numbers
