#pragma once

// The two calculator windows as the GUI tests know them: their control ids,
// which of them show in each state, and the worked examples to type in.

#include "res/resource.h"

#include <set>
#include <string>
#include <vector>

struct Calculator {
    const wchar_t* title;
    int motionIndex;  // its place in the main window's list
    int analysis, input1, input2, units1, units2, results, resultsTitle;
    int deflection;  // 0: none
    std::vector<std::wstring> analyses;
    std::set<int> opened, chosen, succeeded, failed, edited;
};

inline const Calculator kTranslation{
    L"Translation", 1, IDC_TRA_ANALYSIS, IDC_TRA_INPUT1, IDC_TRA_INPUT2, IDC_TRA_UNITS1, IDC_TRA_UNITS2,
    IDC_TRA_RESULTS, IDC_TRA_RESULTS_TITLE, IDC_TRA_DEFLECTION,
    {L"natural frequency", L"stiffness", L"mass"},
    {IDCANCEL, IDC_TRA_ANALYSIS, IDC_TRA_ANALYSIS_GROUP},
    {IDCANCEL, IDC_TRA_ANALYSIS, IDC_TRA_ANALYSIS_GROUP, IDOK, IDC_TRA_INPUT_GROUP, IDC_TRA_INPUT1_LABEL,
     IDC_TRA_INPUT2_LABEL, IDC_TRA_INPUT1, IDC_TRA_INPUT2, IDC_TRA_UNITS1, IDC_TRA_UNITS2},
    {IDCANCEL, IDC_TRA_ANALYSIS, IDC_TRA_ANALYSIS_GROUP, IDOK, IDC_TRA_INPUT_GROUP, IDC_TRA_INPUT1_LABEL,
     IDC_TRA_INPUT2_LABEL, IDC_TRA_INPUT1, IDC_TRA_INPUT2, IDC_TRA_UNITS1, IDC_TRA_UNITS2, IDC_TRA_RESULTS_GROUP,
     IDC_TRA_RESULTS_TITLE, IDC_TRA_RESULTS, IDC_TRA_DEFLECTION_LABEL, IDC_TRA_DEFLECTION},
    {IDCANCEL, IDC_TRA_ANALYSIS, IDC_TRA_ANALYSIS_GROUP, IDOK, IDC_TRA_INPUT_GROUP, IDC_TRA_INPUT1_LABEL,
     IDC_TRA_INPUT2_LABEL, IDC_TRA_INPUT1, IDC_TRA_INPUT2, IDC_TRA_UNITS1, IDC_TRA_UNITS2, IDC_TRA_RESULTS_GROUP,
     IDC_TRA_RESULTS_TITLE, IDC_TRA_RESULTS},
    // An edit hides every result control.
    {IDCANCEL, IDC_TRA_ANALYSIS, IDC_TRA_ANALYSIS_GROUP, IDOK, IDC_TRA_INPUT_GROUP, IDC_TRA_INPUT1_LABEL,
     IDC_TRA_INPUT2_LABEL, IDC_TRA_INPUT1, IDC_TRA_INPUT2, IDC_TRA_UNITS1, IDC_TRA_UNITS2},
};

inline const std::set<int> kRotationCalculated{IDCANCEL, IDC_ROT_ANALYSIS, IDC_ROT_ANALYSIS_GROUP, IDC_ROT_CALC_LABEL, IDOK,
                                        IDC_ROT_INPUT_GROUP, IDC_ROT_INPUT1_LABEL, IDC_ROT_INPUT2_LABEL,
                                        IDC_ROT_INPUT1, IDC_ROT_INPUT2, IDC_ROT_UNITS1, IDC_ROT_UNITS2,
                                        IDC_ROT_RESULTS_GROUP, IDC_ROT_RESULTS_TITLE, IDC_ROT_RESULTS};

inline const Calculator kRotation{
    L"Rotation", 0, IDC_ROT_ANALYSIS, IDC_ROT_INPUT1, IDC_ROT_INPUT2, IDC_ROT_UNITS1, IDC_ROT_UNITS2,
    IDC_ROT_RESULTS, IDC_ROT_RESULTS_TITLE, 0,
    {L"natural frequency", L"torsional stiffness", L"polar moment of inertia"},
    {IDCANCEL, IDC_ROT_ANALYSIS, IDC_ROT_ANALYSIS_GROUP, IDC_ROT_CALC_LABEL},
    {IDCANCEL, IDC_ROT_ANALYSIS, IDC_ROT_ANALYSIS_GROUP, IDC_ROT_CALC_LABEL, IDOK, IDC_ROT_INPUT_GROUP,
     IDC_ROT_INPUT1_LABEL, IDC_ROT_INPUT2_LABEL, IDC_ROT_INPUT1, IDC_ROT_INPUT2, IDC_ROT_UNITS1, IDC_ROT_UNITS2},
    kRotationCalculated,
    kRotationCalculated,
    // An edit blanks the results but leaves them shown.
    kRotationCalculated,
};

// Worked examples, and inputs that are not plain numbers.

struct Example {
    const Calculator* calculator;
    int analysis;
    const wchar_t* input1;
    const wchar_t* unit1;
    const wchar_t* input2;
    const wchar_t* unit2;
    const wchar_t* echo1;
    const wchar_t* echo2;
    const wchar_t* title;
    const wchar_t* results;     // the whole text, or
    const wchar_t* resultLine;  // a line of it
    const wchar_t* deflection;  // Translation; nullptr where a failure hides it
};

// Consecutive rows of one calculator run in one opening of its window; a
// failure keeps the title of the success before it.
inline const Example kExamples[] = {
    {&kTranslation, 0, L"10", L"kg", L"1000", L"N/m", L"            10", L"          1000", L"Natural Frequency",
     L"            10 rad/sec\r\n\r\n          1.592 Hz", nullptr, L"          98.1 mm \r\n\r\n           3.86 in"},
    {&kTranslation, 0, L"nothing", L"lbm", L"0x10", L"lbf/in", L"             0", L"             0", L"Natural Frequency",
     L"mass input error", nullptr, nullptr},
    {&kTranslation, 1, L"1", L"Hz", L"1", L"lbm", L"             1", L"             1", L"Stiffness",
     L"          17.9 N/m \r\n         0.0179 N/mm \r\n\r\n          1.227 lbf/ft \r\n         0.1022 lbf/in",
     nullptr, L"           248 mm \r\n\r\n           9.78 in"},
    {&kTranslation, 2, L"  2e0 Hz", L"Hz", L"50", L"lbf/ft", L"             2", L"            50", L"Mass",
     L"         4.621 kg \r\n\r\n         0.3167 slugs \r\n\r\n          10.19 lbm", nullptr,
     L"          62.1 mm \r\n\r\n           2.45 in"},
    {&kRotation, 0, L"10", L"lbm in^2", L"100", L"in lbf/rad", L"            10", L"           100", L"Natural Frequency ",
     L"         62.14 rad/sec \r\n\r\n           9.89 Hz \r\n\r\n          593.4 rpm", nullptr, nullptr},
    {&kRotation, 1, L"1", L"Hz", L"1", L"kg m^2 (N m sec^2)", L"             1", L"             1", L"Torsional Stiffness ",
     L"         39.48 N m/rad \r\n\r\n          29.12 ft lbf/rad \r\n          349.4 in lbf/rad \r\n\r\n\r\n"
     L"          0.689 N m/deg \r\n\r\n         0.5082 ft lbf/deg \r\n          6.098 in lbf/deg ",
     nullptr, nullptr},
    {&kRotation, 2, L"60", L"rpm", L"100", L"N m/rad", L"            60", L"           100", L"Polar Moment of Inertia ",
     L"         2.533 kg m^2 (N m sec^2)\r\n\r\n         1.8688 slugs ft^2 \r\n          269.1 slugs in^2 \r\n\r\n"
     L"         60.121 lbm ft^2 \r\n         8657.4 lbm in^2 \r\n\r\n         22.418 lbf in sec^2",
     nullptr, nullptr},
    // Exponents keep two digits where two suffice.
    {&kRotation, 1, L"10", L"Hz", L"1", L"kg m^2 (N m sec^2)", L"            10", L"             1", L"Torsional Stiffness ", nullptr,
     L"\r\n      3.494e+04 in lbf/rad \r\n", nullptr},
};
