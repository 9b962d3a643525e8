#include "translation/translation_calc.h"

#include "calculator/oscillator.h"
#include "numbers/printf_format.h"
#include "translation/translation_units.h"
#include "units/unit_factors.h"

namespace translation {

namespace {

constexpr calculator::Motion kTranslation{
    kFrequencyUnits, kMassUnits, kStiffnessUnits, {"Natural Frequency", "Stiffness", "Mass"}, "mass input error"};

// The static deflection under 1 G of the kept mass on the kept stiffness,
// whichever of the two was typed and whichever computed.
void addDeflection(KeptQuantities& kept, CalcResult& result) {
    kept.tra_deflection = (kept.tra_mass * 9.81) / kept.tra_stiffness;
    kept.tra_deflection_text = numbers::format("%14.3g mm \r\n\r\n %14.3g in", kept.tra_deflection * 1000.0,
                                               kept.tra_deflection * units::IN_PER_M);
    result.deflection = kept.tra_deflection_text;
}

}  // namespace

CalcResult calculate(const CalcRequest& request, KeptQuantities& kept) {
    CalcResult result;
    const calculator::InputValues typed = calculator::readInputs(request, result);
    if (calculator::solveOscillator(kTranslation, request, typed, {kept.tra_omega, kept.tra_mass, kept.tra_stiffness},
                                    result)) {
        addDeflection(kept, result);
    }
    return result;
}

}  // namespace translation
