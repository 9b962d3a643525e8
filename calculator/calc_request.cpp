#include "calculator/calc_request.h"

#include "calculator/echo_text.h"
#include "numbers/read_number.h"

namespace calculator {

InputValues readInputs(const CalcRequest& request, CalcResult& result) {
    const InputValues values{numbers::readNumber(request.input1), numbers::readNumber(request.input2)};
    result.echo1 = formatEcho(values.x1);
    result.echo2 = formatEcho(values.x2);
    result.results = result.echo2;
    return values;
}

}  // namespace calculator
