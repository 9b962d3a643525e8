// The program's own printf-style formatting: the same texts on every platform, and, where glibc is the C library, the texts
// glibc's printf gives.

#include "numbers/printf_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

const double kInf = std::numeric_limits<double>::infinity(), kNan = std::numeric_limits<double>::quiet_NaN();

template <typename... Args>
std::string formatted(const std::string& format, Args... args) {
    return numbers::format(format.c_str(), args...);
}

// The formats the program prints, on every platform.
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
        {"%14.4g", 1e-5, "         1e-05"},
        {"%14.3g", 1e100, "        1e+100"},
        {"%14.3g", -0.0, "            -0"},
        {"%14.4g", kInf, "           inf"},
        {"%14.4g", -kInf, "          -inf"},
        {"%14.5g", kNan, "           nan"},
        {"%14.3g", -kNan, "          -nan"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(formatted(row.format, row.value), row.expected) << row.format;
    }
    EXPECT_EQ(formatted("%14.*g", 17, 0.1), "0.10000000000000001");
    EXPECT_EQ(formatted("%14.*g", 6, 1234560.0), "   1.23456e+06");
}

// A width or precision up to kMaxField is taken; past it the directive is
// refused, as is any other that is not promised: it is copied with the rest
// of the format, and no further argument is taken.
TEST(PrintfFormat, RefusesWhatItDoesNotPromise) {
    const int limit = numbers::kMaxField;
    EXPECT_EQ(formatted("%" + std::to_string(limit) + "d|", -7), std::string(limit - 2, ' ') + "-7|");
    EXPECT_EQ(formatted("%*d|", -limit, 7), "7" + std::string(limit - 1, ' ') + "|");
    EXPECT_EQ(formatted("%." + std::to_string(limit) + "d|", 7), std::string(limit - 1, '0') + "7|");
    const std::string refused[] = {"%" + std::to_string(limit + 1) + "d", "%." + std::to_string(limit + 1) + "f", "%x",
                                   "%ld|", "%Lg", "%'d", "%c", "%n", "%5.", "a %q then %g", "100%"};
    for (const std::string& format : refused) {
        EXPECT_EQ(formatted(format, 0), format);
    }
    EXPECT_EQ(formatted("%*d|%.*f|", limit + 1, 7, limit + 1, 0.5), "%*d|%.*f|");
    EXPECT_EQ(formatted("%*d|", -limit - 1, 7), "%*d|");
    EXPECT_EQ(formatted("%g and %x %d", 1.5, 2, 3), "1.5 and %x %d");
}

#if defined(__GLIBC__)
// Ours against glibc's snprintf: every combination of the flags, widths
// (none, 1 to 25 and '*'), precisions (none, '.', 0 to 20 and '*') and
// conversions, each on arguments drawn from values that hit the edges:
// rounding and its carries into a new digit, where %g switches to an
// exponent, zeros, -0, denormals, infinities, not-a-numbers, the ends of int;
// and the program's own "%14.*g" on every one of those doubles.
TEST(PrintfFormat, PrintsAsGlibcDoes) {
    const double largest = std::numeric_limits<double>::max();
    std::vector<double> values = {0.0, -0.0, kInf, -kInf, kNan, -kNan, 5e-324, -5e-324, 2.2250738585072009e-308,
                                  std::numeric_limits<double>::min(), largest, -largest, 0.5, 1.5, 2.5, -2.5, 0.125,
                                  9.5, 99.5, 0.05, 0.95, 9.9995, 999999.5, 1e-5, 9.9995e-5, 123456789.0, 1e21, 1.0 / 3};
    const std::size_t edges = values.size();
    std::mt19937_64 random(13);
    for (int exponent = -310; exponent <= 308; ++exponent) {
        const double power = std::pow(10.0, exponent);
        values.insert(values.end(), {power, std::nextafter(power, 0.0), std::nextafter(power, kInf), 9.9995 * power / 10,
                                     9.99949999 * power / 10, 9.99950001 * power / 10, 5.0 * power, -1.2345 * power,
                                     std::bit_cast<double>(random()), power * static_cast<double>(random() % 1000000) / 1000});
    }
    const int ints[] = {0, 1, -1, 7, -42, 1000, -99999, 123456, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    const char* const texts[] = {"", "a", "wide", "a calculator of vibrations", nullptr};

    int failures = 0;
    const auto check = [&failures](const std::string& format, auto... args) {
        char expected[512];
        std::snprintf(expected, sizeof expected, format.c_str(), args...);
        const std::string ours = formatted(format, args...);
        if (ours != expected && ++failures <= 10) ADD_FAILURE() << format << ": \"" << ours << "\", not \"" << expected << '"';
    };
    for (const double value : values) {
        for (int precision = 1; precision <= 17; ++precision) check("%14.*g", precision, value);
    }
    std::vector<std::string> widths = {"", "*"}, precisions = {"", ".", ".*"};
    for (int n = 0; n <= 25; ++n) {
        if (n > 0) widths.push_back(std::to_string(n));
        if (n <= 20) precisions.push_back("." + std::to_string(n));
    }
    for (int flags = 0; flags < 32; ++flags) {
        std::string format = "%";
        for (int flag = 0; flag < 5; ++flag) {
            if (flags >> flag & 1) format += "-+ 0#"[flag];
        }
        for (const std::string& width : widths) {
            for (const std::string& precision : precisions) {
                for (const char conversion : std::string("dsefg%")) {
                    const std::string directive = format + width + precision + conversion;
                    const int starWidth = static_cast<int>(random() % 61) - 30, starPrecision = static_cast<int>(random() % 30) - 6;
                    const auto withStars = [&](auto value) {
                        if (width == "*" && precision == ".*") check(directive, starWidth, starPrecision, value);
                        else if (width == "*") check(directive, starWidth, value);
                        else if (precision == ".*") check(directive, starPrecision, value);
                        else check(directive, value);
                    };
                    if (conversion == 'd') withStars(ints[random() % std::size(ints)]);
                    else if (conversion == 's') withStars(texts[random() % std::size(texts)]);
                    else withStars(values[random() % (random() % 2 ? edges : values.size())]);
                }
            }
        }
    }
}
#endif

}  // namespace
