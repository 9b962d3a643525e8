#pragma once

#include <gtest/gtest.h>

#include <string>

// Worked examples of both calculators, shared by the tests of their
// arithmetic and of their windows.
namespace worked_examples {

// Analysis list positions, the same in both windows.
inline constexpr int kNaturalFrequency = 0, kStiffness = 1, kMass = 2;

struct Example {
    const char* name;
    int analysis;
    const char* input1;
    const char* unit1;  // as its list shows it
    const char* input2;
    const char* unit2;
    const char* echo1;
    const char* echo2;
    const char* title;
    const char* results;     // the whole results text, or only one line of it (`lineOnly`)
    const char* deflection;  // Translation's static deflection; null for Rotation
    double computed;         // the quantity solved for, in SI, to six digits or more
    bool lineOnly = false;
};

// Checks a results text against an example's whole text or its one line.
inline void expectResults(const std::string& results, const Example& example) {
    if (example.lineOnly) {
        EXPECT_NE(results.find(example.results), std::string::npos) << results;
    } else {
        EXPECT_EQ(results, example.results);
    }
}

// The first three are one system: 10 kg on 1000 N/m, with omega = 10 rad/sec.
inline constexpr const char* kTenKgDeflection = "          98.1 mm \r\n\r\n           3.86 in";

inline constexpr Example kTranslation[] = {
    {"natural frequency, 10 kg on 1000 N/m", kNaturalFrequency, "10", "kg", "1000", "N/m", "            10",
     "          1000", "Natural Frequency", "            10 rad/sec\r\n\r\n          1.592 Hz", kTenKgDeflection,
     10.0},
    {"stiffness, 10 rad/sec with 10 kg", kStiffness, "10", "rad/sec", "10", "kg", "            10", "            10",
     "Stiffness",
     "          1000 N/m \r\n              1 N/mm \r\n\r\n          68.52 lbf/ft \r\n           5.71 lbf/in",
     kTenKgDeflection, 1000.0},
    {"mass, 10 rad/sec on 1000 N/m", kMass, "10", "rad/sec", "1000", "N/m", "            10", "          1000", "Mass",
     "            10 kg \r\n\r\n         0.6854 slugs \r\n\r\n          22.05 lbm", kTenKgDeflection, 10.0},
    {"natural frequency, 1 slugs on 100 lbf/in", kNaturalFrequency, "1", "slugs", "100", "lbf/in", "             1",
     "           100", "Natural Frequency", "         34.65 rad/sec\r\n\r\n          5.514 Hz",
     "          8.17 mm \r\n\r\n          0.322 in", 34.64634},
    {"stiffness, 1 Hz with 1 lbm", kStiffness, "1", "Hz", "1", "lbm", "             1", "             1", "Stiffness",
     "          17.9 N/m \r\n         0.0179 N/mm \r\n\r\n          1.227 lbf/ft \r\n         0.1022 lbf/in",
     "           248 mm \r\n\r\n           9.78 in", 17.90386},
    {"mass, 2 Hz on 50 lbf/ft", kMass, "2", "Hz", "50", "lbf/ft", "             2", "            50", "Mass",
     "         4.621 kg \r\n\r\n         0.3167 slugs \r\n\r\n          10.19 lbm",
     "          62.1 mm \r\n\r\n           2.45 in", 4.621034},
    // Every line needs its last digit, so a format one digit short fails.
    {"stiffness, every line to its fourth digit, 15 rad/sec with 7 kg", kStiffness, "15", "rad/sec", "7", "kg",
     "            15", "             7", "Stiffness",
     "          1575 N/m \r\n          1.575 N/mm \r\n\r\n          107.9 lbf/ft \r\n          8.993 lbf/in",
     "          43.6 mm \r\n\r\n           1.72 in", 1575.0},
};

inline constexpr Example kRotation[] = {
    {"natural frequency, lbm in^2 on in lbf/rad", kNaturalFrequency, "10", "lbm in^2", "100", "in lbf/rad",
     "            10", "           100", "Natural Frequency ",
     "         62.14 rad/sec \r\n\r\n           9.89 Hz \r\n\r\n          593.4 rpm", nullptr, 62.1429},
    {"torsional stiffness, 1 Hz on 1 kg m^2", kStiffness, "1", "Hz", "1", "kg m^2 (N m sec^2)", "             1",
     "             1", "Torsional Stiffness ",
     "         39.48 N m/rad \r\n\r\n          29.12 ft lbf/rad \r\n          349.4 in lbf/rad \r\n\r\n\r\n"
     "          0.689 N m/deg \r\n\r\n         0.5082 ft lbf/deg \r\n          6.098 in lbf/deg ",
     nullptr, 39.4784176},
    {"polar moment of inertia, 60 rpm on 100 N m/rad", kMass, "60", "rpm", "100", "N m/rad", "            60",
     "           100", "Polar Moment of Inertia ",
     "         2.533 kg m^2 (N m sec^2)\r\n\r\n         1.8688 slugs ft^2 \r\n          269.1 slugs in^2 \r\n\r\n"
     "         60.121 lbm ft^2 \r\n         8657.4 lbm in^2 \r\n\r\n         22.418 lbf in sec^2",
     nullptr, 2.533029591},
    {"polar moment of inertia, every line to its fifth digit, 5 Hz on 1000 N m/rad", kMass, "5", "Hz", "1000",
     "N m/rad", "             5", "          1000", "Polar Moment of Inertia ",
     "        1.0132 kg m^2 (N m sec^2)\r\n\r\n        0.74751 slugs ft^2 \r\n         107.64 slugs in^2 \r\n\r\n"
     "         24.048 lbm ft^2 \r\n         3462.9 lbm in^2 \r\n\r\n         8.9673 lbf in sec^2",
     nullptr, 1.013211836},
    {"torsional stiffness in exponent form, 10 Hz on 1 kg m^2", kStiffness, "10", "Hz", "1", "kg m^2 (N m sec^2)",
     "            10", "             1", "Torsional Stiffness ", "\r\n      3.494e+04 in lbf/rad \r\n", nullptr,
     3947.84176, true},
};

}  // namespace worked_examples
