#pragma once

#include <cstddef>
#include <string>

#include "calculator/unit_table.h"
#include "fuzz/calc_checks.h"
#include "numbers/read_number.h"
#include "units/unit_factors.h"

// What both calculators' analyses have in common, as each fuzz target lists
// them: which kept quantities the inputs go into, which one is computed and
// which one tested, and the texts of the result.
namespace fuzz {

template <typename Kept>
struct Analysis {
    const char* title;
    const char* format;
    const char* message;
    double Kept::*input1;
    calculator::UnitTable units1;  // the units of input 1's list
    double Kept::*input2;
    calculator::UnitTable units2;
    double Kept::*computed;
    double Kept::*tested;
};

// Checks how the two typed values were stored and, when the tested quantity
// fails, the message and that the computed quantity stayed. `calculate` is
// the calculator's; a unit's factor is what it stores for a typed 1. Returns
// whether the calculation succeeded.
template <typename Kept, typename Result, typename Calculate>
bool checkStoredInputs(const Analysis<Kept>& analysis, const calculator::CalcRequest& request, const Kept& before,
                       const Kept& after, const Result& result, Calculate calculate) {
    auto factorOf = [&](int unit1, int unit2, double Kept::*quantity) {
        Kept fresh;
        calculate(calculator::CalcRequest{request.analysis, "1", "1", unit1, unit2}, fresh);
        return fresh.*quantity;
    };
    const auto inList = [](int unit, calculator::UnitTable units) {
        return unit >= 0 && static_cast<std::size_t>(unit) < units.size();
    };
    const bool inList1 = inList(request.unit1, analysis.units1);
    const bool inList2 = inList(request.unit2, analysis.units2);
    checkConverted(before.*analysis.input1, after.*analysis.input1, numbers::readNumber(request.input1), inList1, request.unit1,
                   inList1 ? factorOf(request.unit1, 0, analysis.input1) : 0.0, "input 1");
    checkConverted(before.*analysis.input2, after.*analysis.input2, numbers::readNumber(request.input2), inList2, request.unit2,
                   inList2 ? factorOf(0, request.unit2, analysis.input2) : 0.0, "input 2");
    if (after.*analysis.tested > units::ZERO_LIMIT) {
        FUZZ_CHECK(fillsFormat(result.results, analysis.format), "results '" + shown(result.results) + "'");
        FUZZ_CHECK(result.title && *result.title == analysis.title, "title on success");
        return true;
    }
    FUZZ_CHECK(result.results == analysis.message, "results '" + shown(result.results) + "' on failure");
    FUZZ_CHECK(!result.title, "a title on failure");
    FUZZ_CHECK(sameDouble(after.*analysis.computed, before.*analysis.computed), "computed quantity changed on failure");
    return false;
}

}  // namespace fuzz
