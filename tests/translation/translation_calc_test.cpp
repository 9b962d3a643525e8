#include "translation/translation_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace translation {
namespace {

// List positions as the Translation window fills its lists.
constexpr int kNaturalFrequency = 0, kStiffness = 1, kMass = 2;
constexpr int kKg = 0, kSlugs = 1, kLbm = 2;
constexpr int kNPerM = 0, kNPerMm = 1, kLbfPerFt = 2, kLbfPerIn = 3;
constexpr int kRadPerSec = 0, kHz = 1;

constexpr const char* kTenKgOnThousandNPerM = "          98.1 mm \r\n\r\n           3.86 in";

// A kept quantity to check after a calculation; relTol 0 asks for the exact double.
struct KeptCheck {
    const char* name;
    double KeptQuantities::*field;
    double value;
    double relTol;
};

void expectKept(const KeptQuantities& kept, const std::vector<KeptCheck>& checks) {
    for (const KeptCheck& check : checks) {
        EXPECT_NEAR(kept.*(check.field), check.value, check.relTol * std::fabs(check.value))
            << check.name;
    }
}

// Kept quantities of some earlier system, to see what a calculation leaves alone.
KeptQuantities earlierSystem() {
    return KeptQuantities{1.0, 2.0, 3.0, 4.0, "earlier"};
}

TEST(TranslationCalc, WorkedExamples) {
    struct Row {
        CalcRequest request;
        const char* echo1;
        const char* echo2;
        const char* results;
        const char* title;
        const char* deflection;
        std::vector<KeptCheck> kept;
    };
    const Row rows[] = {
        {{kNaturalFrequency, "10", "1000", kKg, kNPerM}, "            10", "          1000",
         "            10 rad/sec\r\n\r\n          1.592 Hz", "Natural Frequency", kTenKgOnThousandNPerM,
         {{"omega", &KeptQuantities::tra_omega, 10.0, 0.0},
          {"deflection", &KeptQuantities::tra_deflection, 0.0981, 1e-12}}},
        {{kStiffness, "10", "10", kRadPerSec, kKg}, "            10", "            10",
         "          1000 N/m \r\n              1 N/mm \r\n\r\n          68.52 lbf/ft \r\n           5.71 lbf/in",
         "Stiffness", kTenKgOnThousandNPerM,
         {{"stiffness", &KeptQuantities::tra_stiffness, 1000.0, 0.0}}},
        {{kMass, "10", "1000", kRadPerSec, kNPerM}, "            10", "          1000",
         "            10 kg \r\n\r\n         0.6854 slugs \r\n\r\n          22.05 lbm", "Mass",
         kTenKgOnThousandNPerM, {{"mass", &KeptQuantities::tra_mass, 10.0, 0.0}}},
        {{kNaturalFrequency, "1", "100", kSlugs, kLbfPerIn}, "             1", "           100",
         "         34.65 rad/sec\r\n\r\n          5.514 Hz", "Natural Frequency",
         "          8.17 mm \r\n\r\n          0.322 in",
         {{"mass", &KeptQuantities::tra_mass, 14.59, 0.0},
          {"stiffness", &KeptQuantities::tra_stiffness, 17513.38583, 1e-9},
          {"omega", &KeptQuantities::tra_omega, 34.64634, 1e-6}}},
        {{kStiffness, "1", "1", kHz, kLbm}, "             1", "             1",
         "          17.9 N/m \r\n         0.0179 N/mm \r\n\r\n          1.227 lbf/ft \r\n         0.1022 lbf/in",
         "Stiffness", "           248 mm \r\n\r\n           9.78 in",
         {{"stiffness", &KeptQuantities::tra_stiffness, 17.90386, 1e-6}}},
        {{kMass, "2", "50", kHz, kLbfPerFt}, "             2", "            50",
         "         4.621 kg \r\n\r\n         0.3167 slugs \r\n\r\n          10.19 lbm", "Mass",
         "          62.1 mm \r\n\r\n           2.45 in",
         {{"mass", &KeptQuantities::tra_mass, 4.621034, 1e-6}}},
        // Every line needs its last digit, so a format one digit short fails.
        {{kStiffness, "15", "7", kRadPerSec, kKg}, "            15", "             7",
         "          1575 N/m \r\n          1.575 N/mm \r\n\r\n          107.9 lbf/ft \r\n          8.993 lbf/in",
         "Stiffness", "          43.6 mm \r\n\r\n           1.72 in",
         {{"stiffness", &KeptQuantities::tra_stiffness, 1575.0, 0.0}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.title) + " from " + row.request.input1 + ", " + row.request.input2);
        KeptQuantities kept;
        const CalcResult result = calculate(row.request, kept);
        EXPECT_EQ(result.echo1, row.echo1);
        EXPECT_EQ(result.echo2, row.echo2);
        EXPECT_EQ(result.results, row.results);
        EXPECT_EQ(result.title, row.title);
        EXPECT_EQ(result.deflection, row.deflection);
        EXPECT_EQ(kept.tra_deflection_text, row.deflection);
        expectKept(kept, row.kept);
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
        {{kNaturalFrequency, "1e-50", "1000", kKg, kNPerM}, "mass input error", 1e-50, 1000.0, 3.0},
        {{kNaturalFrequency, "1e-50", "1000", kLbm, kNPerM}, "mass input error", 4.5351e-51, 1000.0, 3.0},
        {{kNaturalFrequency, "2e-50", "1", kLbm, kNPerMm}, "mass input error", 9.0702e-51, 1000.0, 3.0},
        {{kNaturalFrequency, "0", "5", kSlugs, kNPerM}, "mass input error", 0.0, 5.0, 3.0},
        {{kNaturalFrequency, "-3", "1000", kSlugs, kNPerM}, "mass input error", -43.77, 1000.0, 3.0},
        {{kNaturalFrequency, "", "", kKg, kNPerM}, "mass input error", 0.0, 0.0, 3.0},
        {{kNaturalFrequency, " ", " ", kKg, kNPerM}, "mass input error", 0.0, 0.0, 3.0},
        {{kStiffness, "10", "1e-50", kRadPerSec, kKg}, "mass input error", 1e-50, 2.0, 10.0},
        {{kStiffness, "1", "1e-50", kHz, kLbm}, "mass input error", 4.5351e-51, 2.0, hz},
        {{kStiffness, "10", "0", kRadPerSec, kKg}, "mass input error", 0.0, 2.0, 10.0},
        {{kStiffness, "1", "-1", kHz, kLbm}, "mass input error", -0.45351, 2.0, hz},
        {{kStiffness, " ", " ", kRadPerSec, kKg}, "mass input error", 0.0, 2.0, 0.0},
        {{kMass, "0", "1000", kRadPerSec, kNPerM}, "frequency input error", 1.0, 1000.0, 0.0},
        {{kMass, "1e-50", "1000", kRadPerSec, kNPerM}, "frequency input error", 1.0, 1000.0, 1e-50},
        {{kMass, "0", "1", kHz, kNPerMm}, "frequency input error", 1.0, 1000.0, 0.0},
        {{kMass, "-5", "1000", kRadPerSec, kNPerM}, "frequency input error", 1.0, 1000.0, -5.0},
        {{kMass, "-5", "1000", kHz, kNPerM}, "frequency input error", 1.0, 1000.0, -5.0 * hz},
        {{kMass, " ", " ", kRadPerSec, kNPerM}, "frequency input error", 1.0, 0.0, 0.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("analysis " + std::to_string(row.request.analysis) + ": '" +
                     row.request.input1 + "', '" + row.request.input2 + "'");
        KeptQuantities kept = earlierSystem();
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
        {kNaturalFrequency, "2e-50", "1000", kKg, kNPerM},
        {kNaturalFrequency, "1e-51", "1000", kSlugs, kNPerM},
        {kStiffness, "10", "1e-51", kRadPerSec, kSlugs},
        {kMass, "1e-50", "1000", kHz, kNPerM},
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
        {{kNaturalFrequency, "10", "-1000", kKg, kNPerM}, &KeptQuantities::tra_omega, nan, -0.0981},
        {{kNaturalFrequency, "10", "0", kKg, kNPerM}, &KeptQuantities::tra_omega, 0.0, inf},
        {{kStiffness, "0", "10", kRadPerSec, kKg}, &KeptQuantities::tra_stiffness, 0.0, inf},
        {{kMass, "10", "-1000", kRadPerSec, kNPerM}, &KeptQuantities::tra_mass, -10.0, 0.0981},
        {{kMass, "10", "0", kRadPerSec, kNPerM}, &KeptQuantities::tra_mass, 0.0, nan},
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
        {"negative frequency", {kStiffness, "-5", "3", kRadPerSec, kKg}, {kStiffness, "5", "3", kRadPerSec, kKg}},
        {"negative frequency in Hz", {kStiffness, "-5", "3", kHz, kLbm}, {kStiffness, "5", "3", kHz, kLbm}},
        {"N/mm for frequency", {kNaturalFrequency, "10", "1", kKg, kNPerMm}, {kNaturalFrequency, "10", "1000", kKg, kNPerM}},
        {"N/mm for mass", {kMass, "10", "1", kRadPerSec, kNPerMm}, {kMass, "10", "1000", kRadPerSec, kNPerM}},
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
    const CalcResult result = calculate({kNaturalFrequency, "  10 kg", "1000 N/m", kKg, kNPerM}, kept);
    EXPECT_EQ(result.echo1, "            10");
    EXPECT_EQ(result.echo2, "          1000");
    EXPECT_EQ(result.results, "            10 rad/sec\r\n\r\n          1.592 Hz");

    const CalcResult words = calculate({kMass, "ten", "stiff", kRadPerSec, kNPerM}, kept);
    EXPECT_EQ(words.echo1, "             0");
    EXPECT_EQ(words.echo2, "             0");
    EXPECT_EQ(words.results, "frequency input error");
    EXPECT_EQ(kept.tra_omega, 0.0);
    EXPECT_EQ(kept.tra_stiffness, 0.0);
}

TEST(TranslationCalc, NoAnalysisShowsTheEchoOfInput2) {
    for (int analysis : {-1, 3}) {
        SCOPED_TRACE(analysis);
        KeptQuantities kept = earlierSystem();
        const CalcResult result = calculate({analysis, "10", "1000", kKg, kNPerM}, kept);
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
    calculate({kNaturalFrequency, "10", "1000", kKg, kNPerM}, kept);

    const CalcResult noMassUnit = calculate({kNaturalFrequency, "40", "4000", -1, kNPerM}, kept);
    EXPECT_EQ(noMassUnit.echo1, "            40");
    EXPECT_EQ(kept.tra_mass, 10.0);
    EXPECT_EQ(kept.tra_stiffness, 4000.0);
    EXPECT_EQ(kept.tra_omega, 20.0);

    calculate({kMass, "7", "90", kRadPerSec, kLbfPerIn + 1}, kept);
    EXPECT_EQ(kept.tra_stiffness, 4000.0);
    EXPECT_EQ(kept.tra_omega, 7.0);

    // With no unit for the frequency the earlier 7 rad/sec is used.
    const CalcResult noFrequencyUnit = calculate({kStiffness, "5", "2", kHz + 1, kKg}, kept);
    EXPECT_EQ(noFrequencyUnit.title, "Stiffness");
    EXPECT_EQ(kept.tra_stiffness, 98.0);
}

TEST(TranslationCalc, CalculatingAgainFromTheEchoUsesTheSameValue) {
    KeptQuantities kept;
    const CalcResult first = calculate({kNaturalFrequency, "1", "123456", kKg, kNPerM}, kept);
    EXPECT_EQ(first.echo2, "        123456");
    const CalcResult again = calculate({kNaturalFrequency, first.echo1, first.echo2, kKg, kNPerM}, kept);
    EXPECT_EQ(kept.tra_stiffness, 123456.0);
    EXPECT_EQ(again.echo2, first.echo2);
    EXPECT_EQ(again.results, first.results);
}

}  // namespace
}  // namespace translation
