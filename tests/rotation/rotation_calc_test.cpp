#include "rotation/rotation_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calculator/unit_position.h"
#include "calculator/worked_examples.h"
#include "rotation/rotation_units.h"

namespace rotation {
namespace {

using namespace worked_examples;

constexpr const char* kKgM2 = "kg m^2 (N m sec^2)";

// A unit's list position, from the text its list shows.
int unit(const char* name) { return unitPosition({kFrequencyUnits, kInertiaUnits, kStiffnessUnits}, name); }

constexpr const char* kZeroEcho = "             0";

// Kept quantities of some earlier system, to see what a calculation leaves alone.
constexpr KeptQuantities kEarlier{3.0, 2.0, 18.0};

TEST(RotationCalc, WorkedExamples) {
    // The quantity each analysis solves for.
    constexpr double KeptQuantities::*kComputed[] = {&KeptQuantities::rot_omega, &KeptQuantities::rot_stiffness,
                                                     &KeptQuantities::rot_inertia};
    for (const Example& example : kRotation) {
        SCOPED_TRACE(example.name);
        KeptQuantities kept;
        const CalcResult result = calculate(
            {example.analysis, example.input1, example.input2, unit(example.unit1), unit(example.unit2)}, kept);
        EXPECT_EQ(result.echo1, example.echo1);
        EXPECT_EQ(result.echo2, example.echo2);
        EXPECT_EQ(result.title, example.title);
        expectResults(result.results, example);
        EXPECT_NEAR(kept.*kComputed[example.analysis], example.computed, 1e-6 * example.computed);
        // After a success the three kept quantities describe one system.
        EXPECT_NEAR(kept.rot_omega * kept.rot_omega * kept.rot_inertia, kept.rot_stiffness,
                    1e-12 * kept.rot_stiffness);
    }
}

// A failure stores both converted inputs and keeps the third quantity; the
// title is left alone.
TEST(RotationCalc, InputErrors) {
    struct Row {
        const char* name;
        int analysis;
        const char* input1;
        const char* input2;
        const char* message;
        KeptQuantities kept;
    };
    const Row rows[] = {
        {"inertia at the limit", kNaturalFrequency, "1e-50", "100", "inertia input error", {3.0, 1e-50, 100.0}},
        {"zero inertia", kNaturalFrequency, "0", "100", "inertia input error", {3.0, 0.0, 100.0}},
        {"negative inertia", kNaturalFrequency, "-1", "100", "inertia input error", {3.0, -1.0, 100.0}},
        {"blank inertia", kNaturalFrequency, " ", "100", "inertia input error", {3.0, 0.0, 100.0}},
        {"inertia at the limit, stiffness", kStiffness, "10", "1e-50", "inertia input error",
         {10.0, 1e-50, 18.0}},
        {"zero inertia, stiffness", kStiffness, "10", "0", "inertia input error", {10.0, 0.0, 18.0}},
        {"negative inertia, stiffness", kStiffness, "10", "-4", "inertia input error", {10.0, -4.0, 18.0}},
        {"blank inertia, stiffness", kStiffness, "10", "", "inertia input error", {10.0, 0.0, 18.0}},
        {"zero frequency", kMass, "0", "100", "frequency input error", {0.0, 2.0, 100.0}},
        {"negative frequency", kMass, "-5", "100", "frequency input error", {-5.0, 2.0, 100.0}},
    };
    // Each analysis's inputs in SI units.
    const char* const siUnits[][2] = {{kKgM2, "N m/rad"}, {"rad/sec", kKgM2}, {"rad/sec", "N m/rad"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        KeptQuantities kept = kEarlier;
        const auto& si = siUnits[row.analysis];
        const CalcResult result = calculate({row.analysis, row.input1, row.input2, unit(si[0]), unit(si[1])}, kept);
        EXPECT_EQ(result.results, row.message);
        EXPECT_FALSE(result.title.has_value());
        EXPECT_EQ(kept.rot_omega, row.kept.rot_omega);
        EXPECT_EQ(kept.rot_inertia, row.kept.rot_inertia);
        EXPECT_EQ(kept.rot_stiffness, row.kept.rot_stiffness);
    }
}

TEST(RotationCalc, OddSystemsAreStillCalculated) {
    KeptQuantities kept;
    const CalcResult zeroStiffness = calculate({kNaturalFrequency, "1", "0", unit(kKgM2), unit("N m/rad")}, kept);
    EXPECT_EQ(zeroStiffness.results, "             0 rad/sec \r\n\r\n              0 Hz \r\n\r\n              0 rpm");

    // The root of a negative quotient: every unit says it is not a number.
    const CalcResult negativeStiffness =
        calculate({kNaturalFrequency, "1", "-100", unit(kKgM2), unit("N m/rad")}, kept);
    EXPECT_TRUE(std::isnan(kept.rot_omega));
    EXPECT_EQ(negativeStiffness.title, "Natural Frequency ");
    std::size_t nans = 0;
    for (std::size_t at = negativeStiffness.results.find("nan"); at != std::string::npos;
         at = negativeStiffness.results.find("nan", at + 1)) {
        ++nans;
    }
    EXPECT_EQ(nans, 3U) << negativeStiffness.results;

    // A frequency of either sign squares to the same stiffness.
    const CalcResult minusFive = calculate({kStiffness, "-5", "1", unit("Hz"), unit(kKgM2)}, kept);
    const CalcResult plusFive = calculate({kStiffness, "5", "1", unit("Hz"), unit(kKgM2)}, kept);
    EXPECT_EQ(minusFive.results, plusFive.results);
    EXPECT_EQ(minusFive.echo1, "            -5");
}

TEST(RotationCalc, NoAnalysisShowsTheEchoOfInput2AndKeepsTheSystem) {
    KeptQuantities kept = kEarlier;
    const CalcResult result = calculate({-1, "7", "not a number", unit("rad/sec"), unit("N m/rad")}, kept);
    EXPECT_EQ(result.echo1, "             7");
    EXPECT_EQ(result.results, kZeroEcho);
    EXPECT_FALSE(result.title.has_value());
    EXPECT_EQ(kept.rot_omega, kEarlier.rot_omega);
    EXPECT_EQ(kept.rot_inertia, kEarlier.rot_inertia);
    EXPECT_EQ(kept.rot_stiffness, kEarlier.rot_stiffness);
}

TEST(RotationCalc, UnitOutsideTheListKeepsTheEarlierQuantity) {
    KeptQuantities kept = kEarlier;  // J = 2 kg m^2
    const CalcResult result = calculate({kStiffness, "3", "999", unit("rad/sec"), -1}, kept);
    EXPECT_EQ(kept.rot_inertia, 2.0);
    EXPECT_EQ(kept.rot_stiffness, 18.0);
    EXPECT_EQ(result.title, "Torsional Stiffness ");
}

}  // namespace
}  // namespace rotation
