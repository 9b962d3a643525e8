#include "translation/translation_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calculator/unit_position.h"
#include "calculator/worked_examples.h"
#include "translation/translation_units.h"

namespace translation {
namespace {

using namespace worked_examples;

// A unit's list position, from the text its list shows.
int unit(const char* name) { return unitPosition({kMassUnits, kStiffnessUnits, kFrequencyUnits}, name); }

// Kept quantities of some earlier system, to see what a calculation leaves alone.
const KeptQuantities kEarlier{1.0, 2.0, 3.0, 4.0, "earlier"};

TEST(TranslationCalc, WorkedExamples) {
    // The quantity each analysis solves for.
    constexpr double KeptQuantities::*kComputed[] = {&KeptQuantities::tra_omega, &KeptQuantities::tra_stiffness,
                                                     &KeptQuantities::tra_mass};
    for (const Example& example : kTranslation) {
        SCOPED_TRACE(example.name);
        KeptQuantities kept;
        const CalcResult result = calculate(
            {example.analysis, example.input1, example.input2, unit(example.unit1), unit(example.unit2)}, kept);
        EXPECT_EQ(result.echo1, example.echo1);
        EXPECT_EQ(result.echo2, example.echo2);
        EXPECT_EQ(result.results, example.results);
        EXPECT_EQ(result.title, example.title);
        EXPECT_EQ(result.deflection, example.deflection);
        EXPECT_EQ(kept.tra_deflection_text, example.deflection);
        const double computed = kept.*kComputed[example.analysis];
        EXPECT_NEAR(computed, example.computed, 1e-6 * example.computed);
        // One system: omega^2 m = k, and the deflection is g / omega^2.
        const double omega2 = kept.tra_omega * kept.tra_omega;
        EXPECT_NEAR(omega2 * kept.tra_mass, kept.tra_stiffness, 1e-12 * kept.tra_stiffness);
        EXPECT_NEAR(kept.tra_deflection * omega2, 9.81, 1e-12 * 9.81);
    }
}

// On failure both converted inputs are stored; the quantity that was to be
// computed and the deflection keep their earlier values.
TEST(TranslationCalc, InputErrors) {
    struct Row {
        CalcRequest request;
        const char* message;
        double mass, stiffness, omega;  // kept afterwards
    };
    const double hz = 6.283185307179586;  // rad/sec in 1 Hz
    const Row rows[] = {
        {{kNaturalFrequency, "1e-50", "1000", unit("kg"), unit("N/m")}, "mass input error", 1e-50, 1000.0, 3.0},
        {{kNaturalFrequency, "1e-50", "1000", unit("lbm"), unit("N/m")}, "mass input error", 4.5351e-51, 1000.0, 3.0},
        {{kNaturalFrequency, "2e-50", "1", unit("lbm"), unit("N/mm")}, "mass input error", 9.0702e-51, 1000.0, 3.0},
        {{kNaturalFrequency, "0", "5", unit("slugs"), unit("N/m")}, "mass input error", 0.0, 5.0, 3.0},
        {{kNaturalFrequency, "-3", "1000", unit("slugs"), unit("N/m")}, "mass input error", -43.77, 1000.0, 3.0},
        {{kNaturalFrequency, "", "", unit("kg"), unit("N/m")}, "mass input error", 0.0, 0.0, 3.0},
        {{kNaturalFrequency, " ", " ", unit("kg"), unit("N/m")}, "mass input error", 0.0, 0.0, 3.0},
        {{kStiffness, "10", "1e-50", unit("rad/sec"), unit("kg")}, "mass input error", 1e-50, 2.0, 10.0},
        {{kStiffness, "1", "1e-50", unit("Hz"), unit("lbm")}, "mass input error", 4.5351e-51, 2.0, hz},
        {{kStiffness, "10", "0", unit("rad/sec"), unit("kg")}, "mass input error", 0.0, 2.0, 10.0},
        {{kStiffness, "1", "-1", unit("Hz"), unit("lbm")}, "mass input error", -0.45351, 2.0, hz},
        {{kStiffness, " ", " ", unit("rad/sec"), unit("kg")}, "mass input error", 0.0, 2.0, 0.0},
        {{kMass, "0", "1000", unit("rad/sec"), unit("N/m")}, "frequency input error", 1.0, 1000.0, 0.0},
        {{kMass, "1e-50", "1000", unit("rad/sec"), unit("N/m")}, "frequency input error", 1.0, 1000.0, 1e-50},
        {{kMass, "0", "1", unit("Hz"), unit("N/mm")}, "frequency input error", 1.0, 1000.0, 0.0},
        {{kMass, "-5", "1000", unit("rad/sec"), unit("N/m")}, "frequency input error", 1.0, 1000.0, -5.0},
        {{kMass, "-5", "1000", unit("Hz"), unit("N/m")}, "frequency input error", 1.0, 1000.0, -5.0 * hz},
        {{kMass, " ", " ", unit("rad/sec"), unit("N/m")}, "frequency input error", 1.0, 0.0, 0.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("analysis " + std::to_string(row.request.analysis) + ": '" +
                     row.request.input1 + "', '" + row.request.input2 + "'");
        KeptQuantities kept = kEarlier;
        const CalcResult result = calculate(row.request, kept);
        EXPECT_EQ(result.results, row.message);
        EXPECT_FALSE(result.title.has_value());
        EXPECT_FALSE(result.deflection.has_value());
        EXPECT_DOUBLE_EQ(kept.tra_mass, row.mass);
        EXPECT_DOUBLE_EQ(kept.tra_stiffness, row.stiffness);
        EXPECT_DOUBLE_EQ(kept.tra_omega, row.omega);
        EXPECT_EQ(kept.tra_deflection, 4.0);
        EXPECT_EQ(kept.tra_deflection_text, "earlier");
    }
}

// The limit is strict, and applies to the value in SI units, not as typed.
TEST(TranslationCalc, SmallInputsAboveTheLimitAreAccepted) {
    const CalcRequest requests[] = {
        {kNaturalFrequency, "2e-50", "1000", unit("kg"), unit("N/m")},
        {kNaturalFrequency, "1e-51", "1000", unit("slugs"), unit("N/m")},
        {kStiffness, "10", "1e-51", unit("rad/sec"), unit("slugs")},
        {kMass, "1e-50", "1000", unit("Hz"), unit("N/m")},
    };
    for (const CalcRequest& request : requests) {
        SCOPED_TRACE(request.input1 + ", " + request.input2);
        KeptQuantities kept;
        const CalcResult result = calculate(request, kept);
        EXPECT_TRUE(result.title.has_value()) << result.results;
        EXPECT_TRUE(result.deflection.has_value());
    }
}

// Only the two limits are checked: other odd systems still give a result,
// whatever the arithmetic makes of them.
TEST(TranslationCalc, OddSystemsAreStillCalculated) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        CalcRequest request;
        double KeptQuantities::*computed;
        double value;
        double deflection;
    };
    const Row rows[] = {
        {{kNaturalFrequency, "10", "-1000", unit("kg"), unit("N/m")}, &KeptQuantities::tra_omega, nan, -0.0981},
        {{kNaturalFrequency, "10", "0", unit("kg"), unit("N/m")}, &KeptQuantities::tra_omega, 0.0, inf},
        {{kStiffness, "0", "10", unit("rad/sec"), unit("kg")}, &KeptQuantities::tra_stiffness, 0.0, inf},
        {{kMass, "10", "-1000", unit("rad/sec"), unit("N/m")}, &KeptQuantities::tra_mass, -10.0, 0.0981},
        {{kMass, "10", "0", unit("rad/sec"), unit("N/m")}, &KeptQuantities::tra_mass, 0.0, nan},
    };
    const auto expectValue = [](double actual, double expected) {
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(actual)) << actual;
        } else {
            EXPECT_DOUBLE_EQ(actual, expected);
        }
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("analysis " + std::to_string(row.request.analysis) + ": " +
                     row.request.input1 + ", " + row.request.input2);
        KeptQuantities kept;
        const CalcResult result = calculate(row.request, kept);
        EXPECT_TRUE(result.title.has_value()) << result.results;
        EXPECT_TRUE(result.deflection.has_value());
        expectValue(kept.*(row.computed), row.value);
        expectValue(kept.tra_deflection, row.deflection);
    }
}

TEST(TranslationCalc, EquivalentInputsGiveTheSameResults) {
    struct Pair {
        const char* what;
        CalcRequest first, second;
    };
    const Pair pairs[] = {
        {"negative frequency", {kStiffness, "-5", "3", unit("rad/sec"), unit("kg")},
         {kStiffness, "5", "3", unit("rad/sec"), unit("kg")}},
        {"negative frequency in Hz", {kStiffness, "-5", "3", unit("Hz"), unit("lbm")},
         {kStiffness, "5", "3", unit("Hz"), unit("lbm")}},
        {"N/mm for frequency", {kNaturalFrequency, "10", "1", unit("kg"), unit("N/mm")},
         {kNaturalFrequency, "10", "1000", unit("kg"), unit("N/m")}},
        {"N/mm for mass", {kMass, "10", "1", unit("rad/sec"), unit("N/mm")},
         {kMass, "10", "1000", unit("rad/sec"), unit("N/m")}},
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.what);
        KeptQuantities keptFirst, keptSecond;
        const CalcResult first = calculate(pair.first, keptFirst);
        const CalcResult second = calculate(pair.second, keptSecond);
        ASSERT_TRUE(first.title.has_value()) << first.results;
        EXPECT_EQ(first.results, second.results);
        EXPECT_EQ(first.title, second.title);
        EXPECT_EQ(first.deflection, second.deflection);
        EXPECT_EQ(keptFirst.tra_stiffness, keptSecond.tra_stiffness);
        EXPECT_EQ(keptFirst.tra_mass, keptSecond.tra_mass);
    }
}

TEST(TranslationCalc, ReadsTheLeadingNumberOfTheText) {
    KeptQuantities kept;
    const CalcResult result = calculate({kNaturalFrequency, "  10 kg", "1000 N/m", unit("kg"), unit("N/m")}, kept);
    EXPECT_EQ(result.echo1, "            10");
    EXPECT_EQ(result.echo2, "          1000");
    EXPECT_EQ(result.results, kTranslation[0].results);

    const CalcResult words = calculate({kMass, "ten", "stiff", unit("rad/sec"), unit("N/m")}, kept);
    EXPECT_EQ(words.echo1, "             0");
    EXPECT_EQ(words.echo2, "             0");
    EXPECT_EQ(words.results, "frequency input error");
    EXPECT_EQ(kept.tra_omega, 0.0);
    EXPECT_EQ(kept.tra_stiffness, 0.0);
}

TEST(TranslationCalc, NoAnalysisShowsTheEchoOfInput2) {
    for (int analysis : {-1, 3}) {
        SCOPED_TRACE(analysis);
        KeptQuantities kept = kEarlier;
        const CalcResult result = calculate({analysis, "10", "1000", unit("kg"), unit("N/m")}, kept);
        EXPECT_EQ(result.echo1, "            10");
        EXPECT_EQ(result.results, "          1000");
        EXPECT_FALSE(result.title.has_value());
        EXPECT_FALSE(result.deflection.has_value());
        EXPECT_EQ(kept.tra_mass, 1.0);
        EXPECT_EQ(kept.tra_stiffness, 2.0);
        EXPECT_EQ(kept.tra_omega, 3.0);
        EXPECT_EQ(kept.tra_deflection, 4.0);
        EXPECT_EQ(kept.tra_deflection_text, "earlier");

        // A freshly opened window has empty inputs.
        EXPECT_EQ(calculate({analysis, "", "", -1, -1}, kept).results, "             0");
    }
}

TEST(TranslationCalc, UnitOutsideTheListKeepsTheEarlierQuantity) {
    KeptQuantities kept;
    calculate({kNaturalFrequency, "10", "1000", unit("kg"), unit("N/m")}, kept);

    const CalcResult noMassUnit = calculate({kNaturalFrequency, "40", "4000", -1, unit("N/m")}, kept);
    EXPECT_EQ(noMassUnit.echo1, "            40");
    EXPECT_EQ(kept.tra_mass, 10.0);
    EXPECT_EQ(kept.tra_stiffness, 4000.0);
    EXPECT_EQ(kept.tra_omega, 20.0);

    // One past the end of each list.
    const int noStiffnessUnit = static_cast<int>(kStiffnessUnits.size());
    const int noFrequencyUnit = static_cast<int>(kFrequencyUnits.size());

    calculate({kMass, "7", "90", unit("rad/sec"), noStiffnessUnit}, kept);
    EXPECT_EQ(kept.tra_stiffness, 4000.0);
    EXPECT_EQ(kept.tra_omega, 7.0);

    // With no unit for the frequency the earlier 7 rad/sec is used.
    const CalcResult earlierFrequency = calculate({kStiffness, "5", "2", noFrequencyUnit, unit("kg")}, kept);
    EXPECT_EQ(earlierFrequency.title, "Stiffness");
    EXPECT_EQ(kept.tra_stiffness, 98.0);
}

}  // namespace
}  // namespace translation
