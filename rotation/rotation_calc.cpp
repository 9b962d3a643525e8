#include "rotation/rotation_calc.h"

#include <array>
#include <cmath>

#include "rotation/rotation_units.h"
#include "units/unit_factors.h"

namespace rotation {

using calculator::keepConverted;
using calculator::resultsText;
using calculator::toSi;

namespace {

void naturalFrequency(calculator::InputValues typed, const CalcRequest& request, KeptQuantities& kept,
                      CalcResult& result) {
    keepConverted(kept.rot_inertia, toSi(kInertiaUnits, request.unit1, typed.x1));
    keepConverted(kept.rot_stiffness, toSi(kStiffnessUnits, request.unit2, typed.x2));
    if (!(kept.rot_inertia > units::ZERO_LIMIT)) {
        result.results = "inertia input error";
        return;
    }
    kept.rot_omega = std::sqrt(kept.rot_stiffness / kept.rot_inertia);
    result.results = resultsText(kFrequencyUnits, kept.rot_omega);
    result.title = "Natural Frequency ";
}

void torsionalStiffness(calculator::InputValues typed, const CalcRequest& request, KeptQuantities& kept,
                        CalcResult& result) {
    keepConverted(kept.rot_omega, toSi(kFrequencyUnits, request.unit1, typed.x1));
    keepConverted(kept.rot_inertia, toSi(kInertiaUnits, request.unit2, typed.x2));
    // Only the inertia is checked: a frequency of either sign squares to the
    // same stiffness.
    if (!(kept.rot_inertia > units::ZERO_LIMIT)) {
        result.results = "inertia input error";
        return;
    }
    kept.rot_stiffness = std::pow(kept.rot_omega, 2.0) * kept.rot_inertia;
    result.results = resultsText(kStiffnessUnits, kept.rot_stiffness);
    result.title = "Torsional Stiffness ";
}

void polarMomentOfInertia(calculator::InputValues typed, const CalcRequest& request, KeptQuantities& kept,
                          CalcResult& result) {
    keepConverted(kept.rot_omega, toSi(kFrequencyUnits, request.unit1, typed.x1));
    keepConverted(kept.rot_stiffness, toSi(kStiffnessUnits, request.unit2, typed.x2));
    if (!(kept.rot_omega > units::ZERO_LIMIT)) {
        result.results = "frequency input error";
        return;
    }
    kept.rot_inertia = kept.rot_stiffness / std::pow(kept.rot_omega, 2.0);
    result.title = "Polar Moment of Inertia ";
    result.results = resultsText(kInertiaUnits, kept.rot_inertia);
}

}  // namespace

CalcResult calculate(const CalcRequest& request, KeptQuantities& kept) {
    // In list order: the position is the analysis.
    static constexpr std::array<calculator::Analysis<KeptQuantities, CalcResult>, 3> analyses = {
        naturalFrequency, torsionalStiffness, polarMomentOfInertia};
    return calculator::solve(request, kept, analyses);
}

}  // namespace rotation
