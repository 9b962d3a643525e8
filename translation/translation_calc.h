#pragma once

#include <optional>
#include <string>

#include "calculator/calc_request.h"

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

using calculator::CalcRequest;

// What Calculate writes back, with the static deflection, which is set only
// when the calculation succeeded.
struct CalcResult : calculator::CalcResult {
    std::optional<std::string> deflection;
};

// Reads both inputs, converts them to SI with the selected units, solves the
// chosen analysis and formats the answer. Updates `kept` as it goes: both
// converted inputs are stored even when the calculation then fails.
CalcResult calculate(const CalcRequest& request, KeptQuantities& kept);

}  // namespace translation
