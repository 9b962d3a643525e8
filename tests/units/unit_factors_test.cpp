#include "units/unit_factors.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace units;

namespace {

// Computed at run time, so the comparison checks the compile-time constants
// against the arithmetic that defines them, bit for bit.
double runtime(double value) {
    volatile double copy = value;
    return copy;
}

}  // namespace

TEST(UnitFactors, BaseFactorsAreTheProgramsOwnRoundedValues) {
    EXPECT_EQ(N_PER_LBF, 4.4484);
    EXPECT_EQ(KG_PER_SLUG, 14.59);
    EXPECT_EQ(KG_PER_LBM, 0.45351);
    EXPECT_EQ(M_PER_IN, 0.0254);
    EXPECT_EQ(M_PER_FT, 0.3048);
    EXPECT_EQ(ZERO_LIMIT, 1e-50);
}

TEST(UnitFactors, PiIsWhatTheArcTangentGives) {
    EXPECT_EQ(PI, std::atan2(runtime(0.0), runtime(-1.0)));
    EXPECT_EQ(TWO_PI, runtime(PI) * 2.0);
    EXPECT_EQ(RAD_PER_CYCLE, TWO_PI);
}

TEST(UnitFactors, DerivedFactorsMatchTheirDefinitionsToTheLastBit) {
    struct Row {
        const char* name;
        double constant;
        double computed;
    };
    const Row rows[] = {
        {"LBF_PER_N", LBF_PER_N, 1.0 / runtime(4.4484)},
        {"SLUG_PER_KG", SLUG_PER_KG, 1.0 / runtime(14.59)},
        {"LBM_PER_KG", LBM_PER_KG, 1.0 / runtime(0.45351)},
        {"IN_PER_M", IN_PER_M, 1.0 / runtime(0.0254)},
        {"FT_PER_M", FT_PER_M, 1.0 / runtime(0.3048)},
        {"CYCLE_PER_RAD", CYCLE_PER_RAD, 1.0 / runtime(TWO_PI)},
        {"RADS_PER_RPM", RADS_PER_RPM, runtime(TWO_PI) * (1.0 / runtime(60.0))},
        {"RADS_PER_RPM as a quotient", RADS_PER_RPM, runtime(TWO_PI) / 60.0},
        {"RPM_PER_RADS", RPM_PER_RADS, 1.0 / runtime(RADS_PER_RPM)},
        {"RAD_PER_DEG", RAD_PER_DEG, runtime(PI) * (1.0 / runtime(180.0))},
        {"RAD_PER_DEG as a quotient", RAD_PER_DEG, runtime(PI) / 180.0},
        {"DEG_PER_RAD", DEG_PER_RAD, 1.0 / runtime(RAD_PER_DEG)},
    };
    for (const Row& row : rows) EXPECT_EQ(row.constant, row.computed) << row.name;
}

TEST(UnitFactors, ConversionsOfOneUnit) {
    struct Row {
        const char* what;
        double value;
        double expected;
    };
    const Row rows[] = {
        {"1 lbm in kg", 1.0 * KG_PER_LBM, 0.45351},
        {"1 kg in lbm", 1.0 * LBM_PER_KG, 2.2050230424907937},
        {"1 slug in kg", 1.0 * KG_PER_SLUG, 14.59},
        {"1 lbf in N", 1.0 * N_PER_LBF, 4.4484},
        {"1 m in in", 1.0 * IN_PER_M, 39.37007874015748},
        {"1 m in ft", 1.0 * FT_PER_M, 3.280839895013123},
        {"1 rpm in rad/sec", 1.0 * RADS_PER_RPM, 0.10471975511965977},
        {"1 Hz in rad/sec", 1.0 * RAD_PER_CYCLE, 6.283185307179586},
        {"1 rad in degrees", 1.0 * DEG_PER_RAD, 57.29577951308232},
        {"pi", PI, 3.141592653589793},
    };
    for (const Row& row : rows) EXPECT_EQ(row.value, row.expected) << row.what;
}
