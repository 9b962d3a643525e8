// The program's own printf-style formatting: the same texts on every platform, and, where glibc is the C library, the texts
// glibc's printf gives.

#include "numbers/printf_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <vector>

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNan = std::numeric_limits<double>::quiet_NaN();

template <typename... Args>
std::string formatted(const char* format, Args... args) {
    return numbers::format(format, args...);
}

TEST(PrintfFormat, PrintsTheseTextsOnEveryPlatform) {
    struct Row {
        const char* format;
        double value;
        const char* expected;
    };
    const Row rows[] = {
        {"%14.5g", 10.0, "            10"},
        {"%14.4g rad/sec", 1.5915494309189535, "         1.592 rad/sec"},
        {"%14.3g mm", 98.1, "          98.1 mm"},
        {"%14.5g", 123456.0, "    1.2346e+05"},
        {"%14.4g", 34940.0, "     3.494e+04"},
        {"%14.4g", 1e-5, "         1e-05"},
        {"%14.3g", 1e100, "        1e+100"},
        {"%14.4g", 1.7976931348623157e308, "    1.798e+308"},
        {"%14.4g", kInf, "           inf"},
        {"%14.4g", -kInf, "          -inf"},
        {"%14.4g", kNan, "           nan"},
        {"%14.4g", -kNan, "          -nan"},
        {"%14.3g", -0.0, "            -0"},
        {"%g", 5e-324, "4.94066e-324"},
        {"%014.4g", -2.5, "-00000000002.5"},
        {"%05g", kInf, "  inf"},
        {"%-8g|", 1.5, "1.5     |"},
        {"%+.3e", 12345.678, "+1.235e+04"},
        {"% .2f", 2.675, " 2.67"},
        {"%.0f", 2.5, "2"},
        {"%.1g", 25.0, "2e+01"},
        {"%.0g", 0.5, "0.5"},
        {"%%%g%%", 1.0, "%1%"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(formatted(row.format, row.value), row.expected) << row.format;
    }
    EXPECT_EQ(formatted("%14.*g", 17, 0.1), "0.10000000000000001");
    EXPECT_EQ(formatted("%*.*g|", -6, 2, 1.25), "1.2   |");
    EXPECT_EQ(formatted("%s-%5d-%-4d|%+.3d", "wide", -42, 7, 5), "wide-  -42-7   |+005");
    const std::string longText = formatted("%s-%0300d", "wide", 7);
    EXPECT_EQ(longText.size(), 305U);
    EXPECT_EQ(longText.substr(0, 5), "wide-");
    EXPECT_EQ(longText.substr(300), "00007");
}

// What it does not support it copies, from that directive on, taking no
// argument for it.
TEST(PrintfFormat, CopiesAnUnsupportedDirectiveAndTheRest) {
    const char* const formats[] = {"%x", "%ld|", "%#g", "a %q then %g", "100%", "%5.", "%1000000d", "%.1000000f"};
    for (const char* format : formats) {
        EXPECT_EQ(formatted(format, 0), format);
    }
    EXPECT_EQ(formatted("%g and %x", 1.5, 0), "1.5 and %x");
}

#if defined(__GLIBC__)
// Our formatter against glibc's snprintf, over the formats the program uses
// and the edges of %g: where it switches to an exponent, where rounding
// carries into a new digit, denormals, infinities, not-a-numbers and -0.
TEST(PrintfFormat, PrintsAsGlibcDoes) {
    std::vector<double> values = {0.0, -0.0, kInf, -kInf, kNan, -kNan, 5e-324, -5e-324, 2.2250738585072009e-308,
                                  std::numeric_limits<double>::min(), std::numeric_limits<double>::max(), 0.5, 1.5,
                                  2.5, 0.125, 1e-5, 1e-4, 9.9995e-5};
    for (int exponent = -310; exponent <= 308; ++exponent) {
        const double power = std::pow(10.0, exponent);
        for (const double v : {power, std::nextafter(power, 0.0), std::nextafter(power, kInf), 9.9995 * power / 10,
                               9.99949999 * power / 10, 9.99950001 * power / 10, 5.0 * power, -1.2345 * power}) {
            values.push_back(v);
        }
    }
    std::mt19937_64 random(13);
    std::uniform_real_distribution<double> logScale(-20.0, 20.0);
    for (int i = 0; i < 3000; ++i) {
        values.push_back(std::bit_cast<double>(random()));
        values.push_back(std::pow(10.0, logScale(random)) * (i % 2 ? -1 : 1));
    }
    const char* const formats[] = {"%14.4g", "%14.5g", "%14.3g", "%g", "%e", "%.3e", "%.17g", "%-14.4g|", "%+g", "% g",
                                   "%014.4g", "%.0e", "%.0g"};
    char expected[512];
    for (const double value : values) {
        for (const char* format : formats) {
            std::snprintf(expected, sizeof expected, format, value);
            ASSERT_EQ(formatted(format, value), expected) << format << " of " << std::hexfloat << value;
        }
        for (int precision = 1; precision <= 17; ++precision) {
            std::snprintf(expected, sizeof expected, "%14.*g", precision, value);
            ASSERT_EQ(formatted("%14.*g", precision, value), expected) << "%14." << precision << "g of " << std::hexfloat << value;
        }
        if (std::fabs(value) < 1e30) {
            std::snprintf(expected, sizeof expected, "%.2f|%f", value, value);
            ASSERT_EQ(formatted("%.2f|%f", value, value), expected) << std::hexfloat << value;
        }
    }
    for (const int value : {0, 1, -1, 42, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        for (const char* format : {"%d", "%5d", "%-5d|", "%05d", "%+d", "% d", "%.3d", "%.0d", "%08.3d"}) {
            std::snprintf(expected, sizeof expected, format, value);
            EXPECT_EQ(formatted(format, value), expected) << format << " of " << value;
        }
    }
}
#endif

}  // namespace
