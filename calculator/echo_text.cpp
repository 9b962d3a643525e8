#include "calculator/echo_text.h"

#include <cmath>

#include "numbers/printf_format.h"
#include "numbers/read_number.h"

namespace calculator {

std::string formatEcho(double value) {
    std::string text = numbers::format("%14.5g", value);
    if (!std::isfinite(value)) {
        return text;
    }
    // Five digits is what users expect to see, but an echo that reads back as
    // another number would silently change the next Calculate; widen until it
    // does not (17 significant digits always read back exactly).
    for (int precision = 6; precision <= 17 && numbers::readNumber(text) != value; ++precision) {
        text = numbers::format("%14.*g", precision, value);
    }
    return text;
}

}  // namespace calculator
