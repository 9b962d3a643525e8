#include "units/unit_factors.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace units;

namespace {

// Read at run time, so that the compiler cannot work the call out itself.
double runtime(double value) {
    volatile double copy = value;
    return copy;
}

}  // namespace

TEST(UnitFactors, PiIsWhatTheArcTangentGives) { EXPECT_EQ(PI, std::atan2(runtime(0.0), runtime(-1.0))); }

// Every factor to its last bit. The base factors are the program's own
// rounded values (the pound mass is 0.45351 kg, not 0.45359); the derived
// ones are the doubles that IEEE arithmetic gives their definitions, worked
// out apart from the program, so that a factor formed another way (a
// quotient for a product by a reciprocal, say) shows in the last digits.
TEST(UnitFactors, EveryFactorToItsLastBit) {
    const struct {
        const char* name;
        double value, expected;
    } rows[] = {
        {"N_PER_LBF", N_PER_LBF, 4.4484},
        {"KG_PER_SLUG", KG_PER_SLUG, 14.59},
        {"KG_PER_LBM", KG_PER_LBM, 0.45351},
        {"M_PER_IN", M_PER_IN, 0.0254},
        {"M_PER_FT", M_PER_FT, 0.3048},
        {"ZERO_LIMIT", ZERO_LIMIT, 1e-50},
        {"PI", PI, 3.141592653589793},
        {"TWO_PI", TWO_PI, 6.283185307179586},
        {"RAD_PER_CYCLE", RAD_PER_CYCLE, 6.283185307179586},
        {"LBF_PER_N", LBF_PER_N, 0.224799928064023},
        {"SLUG_PER_KG", SLUG_PER_KG, 0.06854009595613433},
        {"LBM_PER_KG", LBM_PER_KG, 2.2050230424907937},
        {"IN_PER_M", IN_PER_M, 39.37007874015748},
        {"FT_PER_M", FT_PER_M, 3.280839895013123},
        {"CYCLE_PER_RAD", CYCLE_PER_RAD, 0.15915494309189535},
        {"RADS_PER_RPM", RADS_PER_RPM, 0.10471975511965977},
        {"RPM_PER_RADS", RPM_PER_RADS, 9.549296585513721},
        {"RAD_PER_DEG", RAD_PER_DEG, 0.017453292519943295},
        {"DEG_PER_RAD", DEG_PER_RAD, 57.29577951308232},
    };
    for (const auto& row : rows) EXPECT_EQ(row.value, row.expected) << row.name;
}
