// How the calculators read a typed number, the same on every platform.

#include "numbers/read_number.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

namespace numbers {
namespace {

TEST(ReadNumber, ReadsTheLeadingDecimalNumber) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const std::string huge = "1" + std::string(400, '0');
    struct Row {
        std::string text;
        double value;
    };
    const Row rows[] = {
        {"", 0.0},
        {"   ", 0.0},
        {" \t\n\v\f\r42", 42.0},
        {"10", 10.0},
        {"+10", 10.0},
        {"-2.5", -2.5},
        {"-0", -0.0},
        {"1.", 1.0},
        {".5", 0.5},
        {"-.5e-3", -0.0005},
        {"1E3", 1000.0},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"2e-2x", 0.02},
        {"5abc", 5.0},
        {"12,5", 12.0},
        {"1 2", 1.0},
        {"+ 1", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {".e1", 0.0},
        {"abc", 0.0},
        {"inf", 0.0},
        {"-inf", 0.0},
        {"INFINITY", 0.0},
        {"infinity", 0.0},
        {"nan", 0.0},
        {"-nan(1)", 0.0},
        {"0x10", 0.0},
        {"0x1p3", 0.0},
        {"1e400", inf},
        {"-1e400", -inf},
        {".0000001e400", inf},
        {huge, inf},
        {"1e99999999999999999999", inf},
        {"1.7976931348623159e308", inf},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"1e-400", 0.0},
        {"-1e-400", -0.0},
        {"100000e-400", 0.0},
        {tiny, 0.0},
        {"0e999999", 0.0},
        {"4.9e-324", std::numeric_limits<double>::denorm_min()},
        {"1e-310", 1e-310},
    };
    for (const Row& row : rows) {
        // Bit for bit, so that -0 is told from 0.
        EXPECT_EQ(std::bit_cast<std::uint64_t>(readNumber(row.text)), std::bit_cast<std::uint64_t>(row.value))
            << '"' << row.text << "\" read as " << readNumber(row.text);
    }
}

}  // namespace
}  // namespace numbers
