#pragma once

#include <array>

#include "calculator/calc_request.h"
#include "calculator/unit_table.h"

// The single-degree-of-freedom oscillator that both calculators solve: a
// mass (or a polar moment of inertia) on a spring (or a torsion shaft), with
// natural frequency omega = sqrt(k / m). Translation and rotation differ only
// in their units and texts, which they pass in as a Motion.
namespace calculator {

// One calculator's kept quantities, in SI: where the inputs are stored and
// the answer goes.
struct Oscillator {
    double& omega;
    double& mass;  // or polar moment of inertia
    double& stiffness;
};

// What one kind of motion shows of the oscillator.
struct Motion {
    UnitTable frequencyUnits;
    UnitTable massUnits;
    UnitTable stiffnessUnits;
    // The result titles, in list order: natural frequency, stiffness, mass.
    std::array<const char*, 3> titles;
    // The message for a mass that is not above the limit.
    const char* massError;
};

// Solves the analysis at the request's list position (natural frequency,
// stiffness, mass; any other position solves nothing) from the two values
// read: converts both into `system`, even when the test then fails, tests
// the divisor against ZERO_LIMIT and writes the results text and title, or
// the message. True when it solved.
bool solveOscillator(const Motion& motion, const CalcRequest& request, InputValues typed, Oscillator system,
                     CalcResult& result);

}  // namespace calculator
