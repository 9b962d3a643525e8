#include "numbers/printf_format.h"

#include <algorithm>
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
    bool alternate = false; // '#'
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
        else if (*at == '#') directive.alternate = true;
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
    const double magnitude = std::fabs(value);
    const bool finite = std::isfinite(value);
    int precision = directive.precision < 0 ? 6 : directive.precision;
    std::chars_format style = directive.conversion == 'f'   ? std::chars_format::fixed
                              : directive.conversion == 'e' ? std::chars_format::scientific
                                                            : std::chars_format::general;
    // Room for 309 integer digits, the point, the precision's digits and an exponent.
    std::vector<char> buffer(static_cast<std::size_t>(precision) + 330);
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    if (style == std::chars_format::general) {
        precision = std::max(precision, 1);
        if (directive.alternate && finite) {
            // '#' keeps the zeros that %g drops: the style %g chooses by the
            // exponent of the value rounded to the precision, with every digit.
            char* const end = std::to_chars(first, last, magnitude, std::chars_format::scientific, precision - 1).ptr;
            const char* const mark = std::find(first, end, 'e');
            int exponent = 0;
            std::from_chars(mark + 2, end, exponent);
            if (mark[1] == '-') exponent = -exponent;
            const bool fixed = exponent >= -4 && exponent < precision;
            // Where rounding carries the fixed style into an exponent
            // (999999.5 to six digits), glibc keeps the fixed style's count
            // of digits after the point, none: "1.e+06".
            const bool carried = exponent == precision &&
                                 std::to_chars(first, last, std::floor(magnitude), std::chars_format::fixed, 0).ptr - first == precision;
            style = fixed ? std::chars_format::fixed : std::chars_format::scientific;
            precision = fixed ? precision - 1 - exponent : carried ? 0 : precision - 1;
        }
    }
    const std::to_chars_result written = std::to_chars(first, last, magnitude, style, precision);
    std::string body(first, written.ec == std::errc() ? written.ptr : first);
    if (directive.alternate && finite && body.find('.') == std::string::npos) {
        // '#' prints the point even with no digit after it.
        body.insert(std::min(body.find('e'), body.size()), 1, '.');
    }
    // Infinities and not-a-numbers are padded with blanks, never zeros.
    appendPadded(out, directive, signOf(directive, std::signbit(value)), body, finite);
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
    // A null pointer as glibc prints it: "(null)", or nothing where a precision would cut that.
    std::string_view body = text ? text : directive.precision < 0 || directive.precision >= 6 ? "(null)" : "";
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
