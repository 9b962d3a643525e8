#include "rotation/rotation_calc.h"

#include "calculator/oscillator.h"
#include "rotation/rotation_units.h"

namespace rotation {

namespace {

// The titles end with a blank, as they always have.
constexpr calculator::Motion kRotation{kFrequencyUnits,
                                       kInertiaUnits,
                                       kStiffnessUnits,
                                       {"Natural Frequency ", "Torsional Stiffness ", "Polar Moment of Inertia "},
                                       "inertia input error"};

}  // namespace

CalcResult calculate(const CalcRequest& request, KeptQuantities& kept) {
    CalcResult result;
    const calculator::InputValues typed = calculator::readInputs(request, result);
    calculator::solveOscillator(kRotation, request, typed, {kept.rot_omega, kept.rot_inertia, kept.rot_stiffness},
                                result);
    return result;
}

}  // namespace rotation
