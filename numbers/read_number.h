#pragma once

#include <string_view>

namespace numbers {

// The value of the number a text begins with, read the same way on every
// platform: leading blanks are skipped, then a decimal number is read (sign,
// digits, point, digits, exponent) as far as it goes. Text that begins with
// no number reads as 0; so do words such as "inf" and "nan", and "0x10" reads
// as its leading 0. A number beyond the range of a double reads as +-inf, or
// as 0 when it is too small.
double readNumber(std::string_view text);

}  // namespace numbers
