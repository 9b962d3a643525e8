#pragma once

#include <string>

namespace calculator {

// The text an input value is written back as: right-aligned in 14 characters,
// five significant digits when that reads back as the same double, otherwise
// the fewest digits that do, so a second Calculate computes with the very
// value the first one used. An infinity (typed beyond the range of a double)
// echoes as "inf" or "-inf", which, like any word, reads as 0.
std::string formatEcho(double value);

}  // namespace calculator
