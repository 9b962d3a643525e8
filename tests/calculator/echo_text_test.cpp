// The echo of an input value, which both calculators write back into the
// input fields.

#include "calculator/echo_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "numbers/read_number.h"

namespace calculator {
namespace {

TEST(EchoText, ReadsBackAsTheSameValue) {
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
        {12345.6789, "    12345.6789"},
        {6.02214076e23, "6.02214076e+23"},
        {1.0 / 3.0, "0.3333333333333333"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.echo);
        const std::string echo = formatEcho(row.value);
        EXPECT_EQ(echo, row.echo);
        EXPECT_GE(echo.size(), 14u);
        EXPECT_EQ(numbers::readNumber(echo), row.value);
    }
}

TEST(EchoText, NonFiniteValues) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(formatEcho(inf), "           inf");
    EXPECT_EQ(formatEcho(-inf), "          -inf");
    EXPECT_EQ(formatEcho(nan), "           nan");
    EXPECT_EQ(formatEcho(-nan), "          -nan");
}

}  // namespace
}  // namespace calculator
