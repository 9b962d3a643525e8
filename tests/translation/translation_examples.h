#pragma once

// Worked examples of the Translation calculator, shared by the tests of its
// arithmetic and of its window.

namespace translation_examples {

// Analysis list positions, as the Translation window fills its list.
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
    const char* results;
    const char* deflection;
    double computed;  // the quantity solved for, in SI, to seven digits
};

// The first three are one system: 10 kg on 1000 N/m, with omega = 10 rad/sec.
inline constexpr const char* kTenKgDeflection = "          98.1 mm \r\n\r\n           3.86 in";

inline constexpr Example kExamples[] = {
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

}  // namespace translation_examples
