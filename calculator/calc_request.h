#pragma once

#include <optional>
#include <string>

// What both calculators' Calculate takes in and gives back. No windows here:
// a dialog reads its controls into a CalcRequest, calls its calculator and
// writes the CalcResult back.
namespace calculator {

// What the user chose and typed. Indexes are list positions; -1 (LB_ERR)
// means nothing is selected.
struct CalcRequest {
    int analysis = -1;
    std::string input1;
    std::string input2;
    int unit1 = -1;
    int unit2 = -1;
};

// The echoes go back into the input fields and `results` into the results
// field: the results, an error message, or the echo of input 2 when no
// analysis is chosen. `title` is set only when the calculation succeeded.
struct CalcResult {
    std::string echo1;
    std::string echo2;
    std::string results;
    std::optional<std::string> title;
};

// The two typed values as read.
struct InputValues {
    double x1;
    double x2;
};

// Reads both inputs (readNumber), writes their echoes into `result` and
// starts its results text as the echo of input 2, which is what shows when
// no analysis is chosen.
InputValues readInputs(const CalcRequest& request, CalcResult& result);

}  // namespace calculator
