// Fuzzes the Rotation calculator's Calculate, as translation_calc_fuzz.cpp
// does the Translation one: arbitrary texts, positions in and out of the
// lists, arbitrary kept quantities; echoes, results texts and the kept
// quantities are checked after every call.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/analysis_checks.h"
#include "rotation/rotation_calc.h"
#include "rotation/rotation_units.h"

namespace {

using rotation::KeptQuantities;
using rotation::kFrequencyUnits;
using rotation::kInertiaUnits;
using rotation::kStiffnessUnits;

using Analysis = fuzz::Analysis<KeptQuantities>;

const Analysis kAnalyses[] = {
    {"Natural Frequency ", "%14.4g rad/sec \r\n\r\n %14.4g Hz \r\n\r\n %14.4g rpm", "inertia input error",
     &KeptQuantities::rot_inertia, kInertiaUnits, &KeptQuantities::rot_stiffness, kStiffnessUnits,
     &KeptQuantities::rot_omega, &KeptQuantities::rot_inertia},
    {"Torsional Stiffness ",
     "%14.4g N m/rad \r\n\r\n %14.4g ft lbf/rad \r\n %14.4g in lbf/rad \r\n\r\n\r\n %14.4g N m/deg \r\n\r\n"
     " %14.4g ft lbf/deg \r\n %14.4g in lbf/deg ",
     "inertia input error", &KeptQuantities::rot_omega, kFrequencyUnits, &KeptQuantities::rot_inertia, kInertiaUnits,
     &KeptQuantities::rot_stiffness, &KeptQuantities::rot_inertia},
    {"Polar Moment of Inertia ",
     "%14.5g kg m^2 (N m sec^2)\r\n\r\n %14.5g slugs ft^2 \r\n %14.5g slugs in^2 \r\n\r\n %14.5g lbm ft^2 \r\n"
     " %14.5g lbm in^2 \r\n\r\n %14.5g lbf in sec^2",
     "frequency input error", &KeptQuantities::rot_omega, kFrequencyUnits, &KeptQuantities::rot_stiffness,
     kStiffnessUnits, &KeptQuantities::rot_inertia, &KeptQuantities::rot_omega},
};

bool sameKept(const KeptQuantities& a, const KeptQuantities& b) {
    return fuzz::sameDouble(a.rot_omega, b.rot_omega) && fuzz::sameDouble(a.rot_inertia, b.rot_inertia) &&
           fuzz::sameDouble(a.rot_stiffness, b.rot_stiffness);
}

void checkAnalysis(const rotation::CalcRequest& request, const KeptQuantities& before, const KeptQuantities& after,
                   const rotation::CalcResult& result) {
    const Analysis& analysis = kAnalyses[request.analysis];
    if (!fuzz::checkStoredInputs(analysis, request, before, after, result, rotation::calculate)) return;
    // One consistent system: the computed quantity follows from the two kept
    // inputs of this call.
    const double j = after.rot_inertia, k = after.rot_stiffness, w = after.rot_omega;
    const double expected[] = {std::sqrt(k / j), std::pow(w, 2.0) * j, k / std::pow(w, 2.0)};
    FUZZ_CHECK(fuzz::sameDouble(after.*analysis.computed, expected[request.analysis]), "computed quantity");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader reader(data, size);
    rotation::CalcRequest request = fuzz::readPositions(reader);
    KeptQuantities kept;
    kept.rot_omega = reader.number();
    kept.rot_inertia = reader.number();
    kept.rot_stiffness = reader.number();
    reader.texts(request.input1, request.input2);

    const KeptQuantities before = kept;
    const rotation::CalcResult result = rotation::calculate(request, kept);
    fuzz::checkEchoes(request, result);
    if (request.analysis >= 0 && request.analysis < 3) {
        checkAnalysis(request, before, kept, result);
    } else {
        fuzz::checkNoAnalysis(result);
        FUZZ_CHECK(sameKept(kept, before), "kept quantities changed with no analysis");
    }
    return 0;
}
