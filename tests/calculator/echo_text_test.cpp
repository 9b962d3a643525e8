// The echo of an input value, which both calculators write back into the
// input fields.

#include "calculator/echo_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace calculator {
namespace {

// Five digits where they read back as the same double, else the fewest that
// do; infinities and not-a-numbers as words.
TEST(EchoText, EchoesTheFewestDigitsThatReadBack) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        double value;
        const char* echo;
    };
    const Row rows[] = {
        {10.0, "            10"},
        {1000.0, "          1000"},
        {0.0, "             0"},
        {-2.5, "          -2.5"},
        {0.1, "           0.1"},
        {1e-7, "         1e-07"},
        {123456.0, "        123456"},
        // Five digits read back here, where six would print another text.
        {100000.0, "         1e+05"},
        // Six digits, not five and not seven.
        {1234560.0, "   1.23456e+06"},
        {12345.6789, "    12345.6789"},
        {6.02214076e23, "6.02214076e+23"},
        {1.0 / 3.0, "0.3333333333333333"},
        {inf, "           inf"},
        {-inf, "          -inf"},
        {nan, "           nan"},
        {-nan, "          -nan"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(formatEcho(row.value), row.echo);
    }
}

}  // namespace
}  // namespace calculator
