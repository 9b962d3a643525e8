#pragma once

#include "calculator/calc_request.h"
#include "fuzz/fuzz_check.h"

// What holds for both calculators, whatever the request.
namespace fuzz {

// The analysis and the two unit positions; the texts come last (texts()).
calculator::CalcRequest readPositions(ByteReader& reader);

// Each echo reads back as exactly the value read from its input (an
// infinity echoes as "inf" or "-inf"), and is at least the 14 characters wide
// that the fields are laid out for.
void checkEchoes(const calculator::CalcRequest& request, const calculator::CalcResult& result);

// With no analysis chosen the results field shows the echo of input 2 and no
// title is given.
void checkNoAnalysis(const calculator::CalcResult& result);

// A unit position stores nothing when it is not in the list, the typed value
// itself at 0 (the SI unit), and otherwise its unit's factor times the typed
// value; `factor` is what the same position stores for a typed 1.
void checkConverted(double before, double after, double typed, bool inList, int unit, double factor, const char* what);

}  // namespace fuzz
