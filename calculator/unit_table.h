#pragma once

#include <optional>
#include <span>
#include <string>

// A quantity's units as one table, one row per item of its unit list, SI
// unit first: the window fills the list from it, and Calculate converts
// what was typed into SI and writes the results from it.
namespace calculator {

struct Unit {
    // The item as its unit list shows it.
    const char* name;
    // A typed value in this unit, in SI.
    double (*toSi)(double typed);
    // Its piece of the results text: the line breaks before it, then its line
    // with one printf number in it.
    const char* line;
    // An SI value in this unit, for that line.
    double (*fromSi)(double si);
};

using UnitTable = std::span<const Unit>;

// The conversion of the SI unit, both ways.
constexpr double unchanged(double value) { return value; }

// The value typed in the unit at list position `unit`, in SI; nothing for a
// position outside the list (nothing selected).
std::optional<double> toSi(UnitTable units, int unit, double typed);

// The results text for `si`: every row's line, in table order.
std::string resultsText(UnitTable units, double si);

}  // namespace calculator
