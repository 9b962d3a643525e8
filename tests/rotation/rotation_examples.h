#pragma once

#include <gtest/gtest.h>

#include <string>

// Worked examples of the Rotation calculator, shared by the tests of its
// arithmetic and of its window.

namespace rotation_examples {

// List positions, as the Rotation window fills its lists.
inline constexpr int kNaturalFrequency = 0, kTorsionalStiffness = 1, kPolarMoment = 2;
inline constexpr int kKgM2 = 0, kSlugsFt2 = 1, kSlugsIn2 = 2, kLbmFt2 = 3, kLbmIn2 = 4, kLbfInSec2 = 5;
inline constexpr int kNmPerRad = 0, kFtLbfPerRad = 1, kInLbfPerRad = 2, kNmPerDeg = 3, kFtLbfPerDeg = 4,
                     kInLbfPerDeg = 5;
inline constexpr int kRadPerSec = 0, kHz = 1, kRpm = 2;

struct Example {
    const char* name;
    int analysis;
    const char* input1;
    int unit1;
    const char* input2;
    int unit2;
    const char* echo1;
    const char* echo2;
    const char* title;
    const char* results;  // the whole results text, or
    const char* line;     // one line of it, where only that line is known
};

inline constexpr Example kExamples[] = {
    {"natural frequency, lbm in^2 on in lbf/rad", kNaturalFrequency, "10", kLbmIn2, "100", kInLbfPerRad,
     "            10", "           100", "Natural Frequency ",
     "         62.14 rad/sec \r\n\r\n           9.89 Hz \r\n\r\n          593.4 rpm", nullptr},
    {"torsional stiffness, 1 Hz on 1 kg m^2", kTorsionalStiffness, "1", kHz, "1", kKgM2, "             1",
     "             1", "Torsional Stiffness ",
     "         39.48 N m/rad \r\n\r\n          29.12 ft lbf/rad \r\n          349.4 in lbf/rad \r\n\r\n\r\n"
     "          0.689 N m/deg \r\n\r\n         0.5082 ft lbf/deg \r\n          6.098 in lbf/deg ",
     nullptr},
    {"polar moment of inertia, 60 rpm on 100 N m/rad", kPolarMoment, "60", kRpm, "100", kNmPerRad,
     "            60", "           100", "Polar Moment of Inertia ",
     "         2.533 kg m^2 (N m sec^2)\r\n\r\n         1.8688 slugs ft^2 \r\n          269.1 slugs in^2 \r\n\r\n"
     "         60.121 lbm ft^2 \r\n         8657.4 lbm in^2 \r\n\r\n         22.418 lbf in sec^2",
     nullptr},
    {"polar moment of inertia, every line to its fifth digit, 5 Hz on 1000 N m/rad", kPolarMoment, "5", kHz,
     "1000", kNmPerRad, "             5", "          1000", "Polar Moment of Inertia ",
     "        1.0132 kg m^2 (N m sec^2)\r\n\r\n        0.74751 slugs ft^2 \r\n         107.64 slugs in^2 \r\n\r\n"
     "         24.048 lbm ft^2 \r\n         3462.9 lbm in^2 \r\n\r\n         8.9673 lbf in sec^2",
     nullptr},
    {"torsional stiffness in exponent form, 10 Hz on 1 kg m^2", kTorsionalStiffness, "10", kHz, "1", kKgM2,
     "            10", "             1", "Torsional Stiffness ", nullptr, "\r\n      3.494e+04 in lbf/rad \r\n"},
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
