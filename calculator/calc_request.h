#pragma once

#include <array>
#include <cstddef>
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

// One analysis of a calculator: solves for its quantity from the two values
// read, updating the kept quantities and filling in the result.
template <typename Kept, typename Result>
using Analysis = void (*)(InputValues values, const CalcRequest& request, Kept& kept, Result& result);

// Calculate: reads the inputs and runs the analysis at the request's list
// position. With no analysis chosen nothing is solved, and the results
// field shows the echo of input 2.
template <typename Kept, typename Result, std::size_t Count>
Result solve(const CalcRequest& request, Kept& kept, const std::array<Analysis<Kept, Result>, Count>& analyses) {
    Result result;
    const InputValues values = readInputs(request, result);
    if (request.analysis >= 0 && static_cast<std::size_t>(request.analysis) < Count) {
        analyses[static_cast<std::size_t>(request.analysis)](values, request, kept, result);
    }
    return result;
}

// A unit list position that is not in the list converts to nothing; the
// kept quantity then stays as it was and the calculation goes on with it.
inline void keepConverted(double& kept, std::optional<double> converted) {
    if (converted) {
        kept = *converted;
    }
}

}  // namespace calculator
