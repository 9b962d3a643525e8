#include "translation/translation_calc.h"

#include <array>
#include <cmath>
#include <string>

#include "calculator/calc_request.h"
#include "numbers/printf_format.h"
#include "translation/translation_units.h"
#include "units/unit_factors.h"

namespace translation {

using numbers::format;
using calculator::keepConverted;
using calculator::resultsText;
using calculator::toSi;

namespace {

// The static deflection under 1 G of the kept mass on the kept stiffness,
// whichever of the two was typed and whichever computed.
void addDeflection(KeptQuantities& kept, CalcResult& result) {
    kept.tra_deflection = (kept.tra_mass * 9.81) / kept.tra_stiffness;
    kept.tra_deflection_text = format("%14.3g mm \r\n\r\n %14.3g in",
                                          kept.tra_deflection * 1000.0,
                                          kept.tra_deflection * units::IN_PER_M);
    result.deflection = kept.tra_deflection_text;
}

void naturalFrequency(calculator::InputValues typed, const CalcRequest& request,
                      KeptQuantities& kept, CalcResult& result) {
    keepConverted(kept.tra_mass, toSi(kMassUnits, request.unit1, typed.x1));
    keepConverted(kept.tra_stiffness, toSi(kStiffnessUnits, request.unit2, typed.x2));
    if (!(kept.tra_mass > units::ZERO_LIMIT)) {
        result.results = "mass input error";
        return;
    }
    kept.tra_omega = std::sqrt(kept.tra_stiffness / kept.tra_mass);
    result.results = resultsText(kFrequencyUnits, kept.tra_omega);
    result.title = "Natural Frequency";
    addDeflection(kept, result);
}

void stiffness(calculator::InputValues typed, const CalcRequest& request,
               KeptQuantities& kept, CalcResult& result) {
    keepConverted(kept.tra_omega, toSi(kFrequencyUnits, request.unit1, typed.x1));
    keepConverted(kept.tra_mass, toSi(kMassUnits, request.unit2, typed.x2));
    // Only the mass is checked: a frequency of either sign squares to the
    // same stiffness.
    if (!(kept.tra_mass > units::ZERO_LIMIT)) {
        result.results = "mass input error";
        return;
    }
    kept.tra_stiffness = std::pow(kept.tra_omega, 2.0) * kept.tra_mass;
    result.results = resultsText(kStiffnessUnits, kept.tra_stiffness);
    result.title = "Stiffness";
    addDeflection(kept, result);
}

void mass(calculator::InputValues typed, const CalcRequest& request, KeptQuantities& kept,
          CalcResult& result) {
    keepConverted(kept.tra_omega, toSi(kFrequencyUnits, request.unit1, typed.x1));
    keepConverted(kept.tra_stiffness, toSi(kStiffnessUnits, request.unit2, typed.x2));
    if (!(kept.tra_omega > units::ZERO_LIMIT)) {
        result.results = "frequency input error";
        return;
    }
    kept.tra_mass = kept.tra_stiffness / std::pow(kept.tra_omega, 2.0);
    result.results = resultsText(kMassUnits, kept.tra_mass);
    result.title = "Mass";
    addDeflection(kept, result);
}

}  // namespace

CalcResult calculate(const CalcRequest& request, KeptQuantities& kept) {
    // In list order: the position is the analysis.
    static constexpr std::array<calculator::Analysis<KeptQuantities, CalcResult>, 3> analyses = {
        naturalFrequency, stiffness, mass};
    return calculator::solve(request, kept, analyses);
}

}  // namespace translation
