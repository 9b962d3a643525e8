#pragma once

#include <gtest/gtest.h>

#include <string>

// Worked examples of the Rotation calculator, shared by the tests of its
// arithmetic and of its window.

namespace rotation_examples {

// Analysis list positions, as the Rotation window fills its list.
inline constexpr int kNaturalFrequency = 0, kTorsionalStiffness = 1, kPolarMoment = 2;

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
    const char* results;  // the whole results text, or
    const char* line;     // one line of it, where only that line is known
    double computed;      // the quantity solved for, in SI, to six digits or more
};

inline constexpr Example kExamples[] = {
    {"natural frequency, lbm in^2 on in lbf/rad", kNaturalFrequency, "10", "lbm in^2", "100", "in lbf/rad",
     "            10", "           100", "Natural Frequency ",
     "         62.14 rad/sec \r\n\r\n           9.89 Hz \r\n\r\n          593.4 rpm", nullptr, 62.1429},
    {"torsional stiffness, 1 Hz on 1 kg m^2", kTorsionalStiffness, "1", "Hz", "1", "kg m^2 (N m sec^2)",
     "             1", "             1", "Torsional Stiffness ",
     "         39.48 N m/rad \r\n\r\n          29.12 ft lbf/rad \r\n          349.4 in lbf/rad \r\n\r\n\r\n"
     "          0.689 N m/deg \r\n\r\n         0.5082 ft lbf/deg \r\n          6.098 in lbf/deg ",
     nullptr, 39.4784176},
    {"polar moment of inertia, 60 rpm on 100 N m/rad", kPolarMoment, "60", "rpm", "100", "N m/rad",
     "            60", "           100", "Polar Moment of Inertia ",
     "         2.533 kg m^2 (N m sec^2)\r\n\r\n         1.8688 slugs ft^2 \r\n          269.1 slugs in^2 \r\n\r\n"
     "         60.121 lbm ft^2 \r\n         8657.4 lbm in^2 \r\n\r\n         22.418 lbf in sec^2",
     nullptr, 2.533029591},
    {"polar moment of inertia, every line to its fifth digit, 5 Hz on 1000 N m/rad", kPolarMoment, "5", "Hz",
     "1000", "N m/rad", "             5", "          1000", "Polar Moment of Inertia ",
     "        1.0132 kg m^2 (N m sec^2)\r\n\r\n        0.74751 slugs ft^2 \r\n         107.64 slugs in^2 \r\n\r\n"
     "         24.048 lbm ft^2 \r\n         3462.9 lbm in^2 \r\n\r\n         8.9673 lbf in sec^2",
     nullptr, 1.013211836},
    {"torsional stiffness in exponent form, 10 Hz on 1 kg m^2", kTorsionalStiffness, "10", "Hz", "1",
     "kg m^2 (N m sec^2)", "            10", "             1", "Torsional Stiffness ", nullptr,
     "\r\n      3.494e+04 in lbf/rad \r\n", 3947.84176},
};

// Checks a results text against an example's whole text or its one line.
inline void expectResults(const std::string& results, const Example& example) {
    if (example.results) {
        EXPECT_EQ(results, example.results);
    } else {
        EXPECT_NE(results.find(example.line), std::string::npos) << results;
    }
}

}  // namespace rotation_examples
