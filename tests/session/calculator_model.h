#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calculator/calc_request.h"

// What the reference model of a random session knows of each calculator
// window: its controls, its analyses with their captions and unit lists, how
// it treats stale results, and its arithmetic.
namespace session {

struct Unit {
    const char* name;
    double toSi;  // the SI value of one of this unit
};

struct SetUp {
    const char* caption1;
    std::vector<Unit> units1;
    const char* caption2;
    std::vector<Unit> units2;
};

// What Calculate gives: the pure calculation's result, and for Translation
// its static deflection text.
struct Answer {
    calculator::CalcResult result;
    std::optional<std::string> deflection;
};

struct CalculatorModel {
    const char* caption;
    int analysisList, analysisGroup;
    int analysisLabel;  // 0: none
    int input1, input2, units1, units2, caption1, caption2, inputGroup;
    int results, title, resultsGroup;
    int deflection, deflectionLabel;  // 0: none
    // The results field's text in a freshly opened window.
    const char* openedResults;
    // Translation hides its results area on an edit; Rotation only blanks it.
    bool editHidesResults;
    std::array<const char*, 3> analyses;
    std::array<SetUp, 3> setUps;
    std::function<Answer(const calculator::CalcRequest&)> calculate;
};

const CalculatorModel& translationModel();
const CalculatorModel& rotationModel();

}  // namespace session
