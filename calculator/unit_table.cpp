#include "calculator/unit_table.h"

#include <cstddef>

#include "numbers/printf_format.h"

namespace calculator {

std::optional<double> toSi(UnitTable units, int unit, double typed) {
    if (unit < 0 || static_cast<std::size_t>(unit) >= units.size()) {
        return std::nullopt;
    }
    return units[static_cast<std::size_t>(unit)].toSi(typed);
}

std::string resultsText(UnitTable units, double si) {
    // Each line holds one number, so printing the lines one by one gives the
    // very text that their whole format would.
    std::string text;
    for (const Unit& unit : units) {
        text += numbers::format(unit.line, unit.fromSi(si));
    }
    return text;
}

}  // namespace calculator
