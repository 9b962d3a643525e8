#pragma once

#include <optional>
#include <string>

// The arithmetic behind the Translation window's Calculate: a mass on a
// spring, solved for whichever of mass, stiffness and natural frequency the
// user did not type. No windows here; the dialog reads its controls, calls
// calculate() and writes what comes back.
namespace translation {

// The last system calculated, in SI units (kg, N/m, rad/sec, m), and the text
// of its static deflection. They outlive the window: the dialog owns one set
// for the whole run of the program and passes it to every Calculate.
struct KeptQuantities {
    double tra_mass = 0.0;
    double tra_stiffness = 0.0;
    double tra_omega = 0.0;
    double tra_deflection = 0.0;
    std::string tra_deflection_text;
};

// What the user chose and typed. Indexes are list positions; -1 means no
// selection. The analysis is 0 natural frequency, 1 stiffness, 2 mass.
struct CalcRequest {
    int analysis = -1;
    std::string input1;
    std::string input2;
    int unit1 = -1;
    int unit2 = -1;
};

// What Calculate writes back. The echoes go into the input fields, `results`
// into the results field (results, an error message, or the echo of input 2
// when no analysis is chosen). `title` and `deflection` are set only when the
// calculation succeeded.
struct CalcResult {
    std::string echo1;
    std::string echo2;
    std::string results;
    std::optional<std::string> title;
    std::optional<std::string> deflection;
};

// Reads both inputs, converts them to SI with the selected units, solves the
// chosen analysis and formats the answer. Updates `kept` as it goes: both
// converted inputs are stored even when the calculation then fails.
CalcResult calculate(const CalcRequest& request, KeptQuantities& kept);

// The text an input value is written back as: right-aligned in 14 characters,
// five significant digits when that reads back as the same double, otherwise
// the fewest digits that do, so a second Calculate computes with the very
// value the first one used.
std::string formatEcho(double value);

}  // namespace translation
