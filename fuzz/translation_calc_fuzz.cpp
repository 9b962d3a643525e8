// Fuzzes the Translation calculator's Calculate: arbitrary texts, analysis
// and unit positions in and out of their lists, and arbitrary kept
// quantities. Besides crashes and undefined behaviour it stops on an echo
// that reads back as another number, a results text that is neither a
// message, nor the echo of input 2, nor its analysis's format filled in, and
// a kept quantity that changes where it should not.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/analysis_checks.h"
#include "translation/translation_calc.h"
#include "translation/translation_units.h"

namespace {

using translation::KeptQuantities;
using translation::kFrequencyUnits;
using translation::kMassUnits;
using translation::kStiffnessUnits;

using Analysis = fuzz::Analysis<KeptQuantities>;

const Analysis kAnalyses[] = {
    {"Natural Frequency", "%14.4g rad/sec\r\n\r\n %14.4g Hz", "mass input error", &KeptQuantities::tra_mass, kMassUnits,
     &KeptQuantities::tra_stiffness, kStiffnessUnits, &KeptQuantities::tra_omega, &KeptQuantities::tra_mass},
    {"Stiffness", "%14.4g N/m \r\n %14.4g N/mm \r\n\r\n %14.4g lbf/ft \r\n %14.4g lbf/in", "mass input error",
     &KeptQuantities::tra_omega, kFrequencyUnits, &KeptQuantities::tra_mass, kMassUnits, &KeptQuantities::tra_stiffness,
     &KeptQuantities::tra_mass},
    {"Mass", "%14.4g kg \r\n\r\n %14.4g slugs \r\n\r\n %14.4g lbm", "frequency input error", &KeptQuantities::tra_omega,
     kFrequencyUnits, &KeptQuantities::tra_stiffness, kStiffnessUnits, &KeptQuantities::tra_mass,
     &KeptQuantities::tra_omega},
};

constexpr const char* kDeflectionFormat = "%14.3g mm \r\n\r\n %14.3g in";

bool sameKept(const KeptQuantities& a, const KeptQuantities& b) {
    return fuzz::sameDouble(a.tra_mass, b.tra_mass) && fuzz::sameDouble(a.tra_stiffness, b.tra_stiffness) &&
           fuzz::sameDouble(a.tra_omega, b.tra_omega) && fuzz::sameDouble(a.tra_deflection, b.tra_deflection) &&
           a.tra_deflection_text == b.tra_deflection_text;
}

void checkAnalysis(const translation::CalcRequest& request, const KeptQuantities& before, const KeptQuantities& after,
                   const translation::CalcResult& result) {
    const Analysis& analysis = kAnalyses[request.analysis];
    if (!fuzz::checkStoredInputs(analysis, request, before, after, result, translation::calculate)) {
        FUZZ_CHECK(!result.deflection, "a deflection on failure");
        FUZZ_CHECK(fuzz::sameDouble(after.tra_deflection, before.tra_deflection) &&
                       after.tra_deflection_text == before.tra_deflection_text,
                   "deflection changed on failure");
        return;
    }
    FUZZ_CHECK(result.deflection && *result.deflection == after.tra_deflection_text, "deflection text on success");
    FUZZ_CHECK(fuzz::fillsFormat(after.tra_deflection_text, kDeflectionFormat),
               "deflection '" + fuzz::shown(after.tra_deflection_text) + "'");
    // One consistent system: the computed quantity and the deflection follow
    // from the two kept inputs of this call.
    const double m = after.tra_mass, k = after.tra_stiffness, w = after.tra_omega;
    const double expected[] = {std::sqrt(k / m), std::pow(w, 2.0) * m, k / std::pow(w, 2.0)};
    FUZZ_CHECK(fuzz::sameDouble(after.*analysis.computed, expected[request.analysis]), "computed quantity");
    FUZZ_CHECK(fuzz::sameDouble(after.tra_deflection, (m * 9.81) / k), "deflection");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader reader(data, size);
    translation::CalcRequest request = fuzz::readPositions(reader);
    KeptQuantities kept;
    kept.tra_mass = reader.number();
    kept.tra_stiffness = reader.number();
    kept.tra_omega = reader.number();
    kept.tra_deflection = reader.number();
    kept.tra_deflection_text = "kept";
    reader.texts(request.input1, request.input2);

    const KeptQuantities before = kept;
    const translation::CalcResult result = translation::calculate(request, kept);
    fuzz::checkEchoes(request, result);
    if (request.analysis >= 0 && request.analysis < 3) {
        checkAnalysis(request, before, kept, result);
    } else {
        fuzz::checkNoAnalysis(result);
        FUZZ_CHECK(!result.deflection, "a deflection with no analysis");
        FUZZ_CHECK(sameKept(kept, before), "kept quantities changed with no analysis");
    }
    return 0;
}
