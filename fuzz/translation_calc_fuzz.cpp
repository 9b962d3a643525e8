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

#include "fuzz/calc_checks.h"
#include "translation/translation_calc.h"
#include "units/unit_factors.h"

namespace {

using translation::KeptQuantities;

constexpr int kMassUnits = 3, kStiffnessUnits = 4, kFrequencyUnits = 2;

struct Analysis {
    const char* title;
    const char* format;
    const char* message;
    // The kept quantities that inputs 1 and 2 go into, the one computed and
    // the one tested, with the lengths of the two unit lists.
    double KeptQuantities::*input1;
    int units1;
    double KeptQuantities::*input2;
    int units2;
    double KeptQuantities::*computed;
    double KeptQuantities::*tested;
};

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

// What a unit position stores for a typed 1: its factor.
double factorOf(int analysis, int unit1, int unit2, double KeptQuantities::*quantity) {
    KeptQuantities fresh;
    translation::calculate({analysis, "1", "1", unit1, unit2}, fresh);
    return fresh.*quantity;
}

void checkAnalysis(const translation::CalcRequest& request, const KeptQuantities& before, const KeptQuantities& after,
                   const translation::CalcResult& result) {
    const Analysis& analysis = kAnalyses[request.analysis];
    const double x1 = std::atof(request.input1.c_str());
    const double x2 = std::atof(request.input2.c_str());
    const bool inList1 = request.unit1 >= 0 && request.unit1 < analysis.units1;
    const bool inList2 = request.unit2 >= 0 && request.unit2 < analysis.units2;
    fuzz::checkConverted(before.*analysis.input1, after.*analysis.input1, x1, inList1, request.unit1,
                         inList1 ? factorOf(request.analysis, request.unit1, 0, analysis.input1) : 0.0, "input 1");
    fuzz::checkConverted(before.*analysis.input2, after.*analysis.input2, x2, inList2, request.unit2,
                         inList2 ? factorOf(request.analysis, 0, request.unit2, analysis.input2) : 0.0, "input 2");

    const bool succeeds = after.*analysis.tested > units::ZERO_LIMIT;
    if (!succeeds) {
        FUZZ_CHECK(result.results == analysis.message, "results '" + fuzz::shown(result.results) + "' on failure");
        FUZZ_CHECK(!result.title && !result.deflection, "a title or deflection on failure");
        FUZZ_CHECK(fuzz::sameDouble(after.*analysis.computed, before.*analysis.computed), "computed quantity changed on failure");
        FUZZ_CHECK(fuzz::sameDouble(after.tra_deflection, before.tra_deflection) &&
                       after.tra_deflection_text == before.tra_deflection_text,
                   "deflection changed on failure");
        return;
    }
    FUZZ_CHECK(fuzz::fillsFormat(result.results, analysis.format), "results '" + fuzz::shown(result.results) + "'");
    FUZZ_CHECK(result.title && *result.title == analysis.title, "title on success");
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
