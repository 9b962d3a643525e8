#include "calculator/calc_request.h"

#include "calculator/read_number.h"
#include "calculator/result_text.h"

namespace calculator {

InputValues readInputs(const CalcRequest& request, CalcResult& result) {
    const InputValues values{readNumber(request.input1), readNumber(request.input2)};
    result.echo1 = formatEcho(values.x1);
    result.echo2 = formatEcho(values.x2);
    result.results = result.echo2;
    return values;
}

}  // namespace calculator
