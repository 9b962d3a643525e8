#include "calculator/calc_request.h"

#include <cstdlib>

#include "calculator/result_text.h"

namespace calculator {

InputValues readInputs(const CalcRequest& request, CalcResult& result) {
    const InputValues values{std::atof(request.input1.c_str()), std::atof(request.input2.c_str())};
    result.echo1 = formatEcho(values.x1);
    result.echo2 = formatEcho(values.x2);
    result.results = result.echo2;
    return values;
}

}  // namespace calculator
