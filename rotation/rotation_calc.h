#pragma once

#include "calculator/calc_request.h"

// The arithmetic behind the Rotation window's Calculate: a body of polar
// moment of inertia J on a shaft of torsional stiffness k, solved for
// whichever of J, k and the natural frequency the user did not type. No
// windows here; the dialog reads its controls, calls calculate() and writes
// what comes back.
namespace rotation {

// The last system calculated, in SI units (rad/sec, kg m^2, N m/rad). It
// outlives the window: the dialog keeps one set for the whole run of the
// program and passes it to every Calculate.
struct KeptQuantities {
    double rot_omega = 0.0;
    double rot_inertia = 0.0;
    double rot_stiffness = 0.0;
};

using calculator::CalcRequest;
using calculator::CalcResult;

// Reads both inputs, converts them to SI with the selected units, solves the
// chosen analysis and formats the answer. Updates `kept` as it goes: both
// converted inputs are stored even when the calculation then fails.
CalcResult calculate(const CalcRequest& request, KeptQuantities& kept);

}  // namespace rotation
