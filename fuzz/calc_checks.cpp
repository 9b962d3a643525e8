#include "fuzz/calc_checks.h"

#include <cmath>

#include "numbers/read_number.h"

namespace fuzz {

calculator::CalcRequest readPositions(ByteReader& reader) {
    calculator::CalcRequest request;
    request.analysis = reader.listPosition();
    request.unit1 = reader.listPosition();
    request.unit2 = reader.listPosition();
    return request;
}

namespace {

void checkEcho(const std::string& input, const std::string& echo) {
    const double typed = numbers::readNumber(input);
    // A number beyond the range of a double echoes as "inf" or "-inf", a word
    // that reads as 0; every other echo reads back as the value read.
    if (std::isinf(typed)) {
        FUZZ_CHECK(echo == (typed > 0 ? "           inf" : "          -inf"), "echo '" + shown(echo) + "' of '" + shown(input) + "'");
    } else {
        FUZZ_CHECK(sameDouble(numbers::readNumber(echo), typed), "echo '" + shown(echo) + "' of '" + shown(input) + "'");
    }
    FUZZ_CHECK(echo.size() >= 14 && echo.find('\0') == std::string::npos, "echo '" + shown(echo) + "'");
}

}  // namespace

void checkEchoes(const calculator::CalcRequest& request, const calculator::CalcResult& result) {
    checkEcho(request.input1, result.echo1);
    checkEcho(request.input2, result.echo2);
}

void checkNoAnalysis(const calculator::CalcResult& result) {
    FUZZ_CHECK(result.results == result.echo2, "results '" + shown(result.results) + "' with no analysis");
    FUZZ_CHECK(!result.title, "a title with no analysis");
}

void checkConverted(double before, double after, double typed, bool inList, int unit, double factor, const char* what) {
    if (!inList) {
        FUZZ_CHECK(sameDouble(after, before), std::string(what) + " changed with no unit");
    } else if (unit == 0) {
        FUZZ_CHECK(sameDouble(after, typed), std::string(what) + " not stored as typed in the SI unit");
    } else {
        FUZZ_CHECK(sameDouble(after, factor * typed), std::string(what) + " not its factor times the typed value");
    }
}

}  // namespace fuzz
