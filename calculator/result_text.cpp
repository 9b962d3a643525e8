#include "calculator/result_text.h"

#include <cmath>
#include <cstdarg>

#include "calculator/read_number.h"
#include "framework/cstring.h"

namespace calculator {

std::string formatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    CString text;
    text.FormatV(format, args);
    va_end(args);
    return text.str();
}

std::string formatEcho(double value) {
    std::string text = formatText("%14.5g", value);
    if (!std::isfinite(value)) {
        return text;
    }
    // Five digits is what users expect to see, but an echo that reads back as
    // another number would silently change the next Calculate; widen until it
    // does not (17 significant digits always read back exactly).
    for (int precision = 6; precision <= 17 && readNumber(text) != value; ++precision) {
        text = formatText("%14.*g", precision, value);
    }
    return text;
}

}  // namespace calculator
