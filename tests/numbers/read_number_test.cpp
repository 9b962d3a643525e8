// How the calculators read a typed number, the same on every platform: the
// decimal number the text begins with after blanks, else 0, as atof reads it.

#include "numbers/read_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz/read_number_reference.h"

namespace numbers {
namespace {

std::uint64_t bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// The rule by example, bit for bit so that -0 is told from 0.
TEST(ReadNumber, ReadsTheLeadingDecimalNumber) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        std::string text;
        double value;
    };
    const Row rows[] = {
        {"", 0.0},
        {" \t\n\v\f\r+42", 42.0},
        {"-.5e-3", -0.0005},
        {"-0", -0.0},
        {"2e-2x", 0.02},
        {"1e+", 1.0},
        {"12,5", 12.0},
        {"+ 1", 0.0},
        {"--5", 0.0},
        {"-.", 0.0},
        {"-inf", 0.0},
        {"nan", 0.0},
        {"0x1p3", 0.0},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"1.7976931348623159e308", inf},
        {"-1" + std::string(400, '0'), -inf},
        {"1e9223372036854775808", inf},
        {"0." + std::string(800, '0') + "1e400", 0.0},
        {"-1e-400", -0.0},
        {"4.9e-324", std::numeric_limits<double>::denorm_min()},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(bits(readNumber(row.text)), bits(row.value)) << '"' << row.text << "\" read as " << readNumber(row.text);
    }
}

#if defined(__GLIBC__)
// 0 to n - 1, from splitmix64: cheap enough for a few hundred thousand texts
// in a debug build.
std::size_t randomBelow(std::uint64_t& seed, std::size_t n) {
    std::uint64_t z = seed += 0x9E3779B97F4A7C15;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return static_cast<std::size_t>((z ^ (z >> 31)) % n);
}

// Texts over blanks, signs, digits, point, e/E, x and letters, made to reach
// the edges of the rule: long runs of digits and of zeros on either side of
// the point, and exponents that bring the number near the ends of a double's
// range or go far past the range of a double, an int and a 64-bit integer.
std::string randomText(std::uint64_t& seed) {
    const auto below = [&seed](std::size_t n) { return randomBelow(seed, n); };
    const auto pool = [&below](std::string_view from) {
        std::string text;
        while (text.size() < 2000) text += from[below(from.size())];
        return text;
    };
    static const std::string kDigits = pool("0123456789"), kAnything = pool(" \t\n+-0123456789.eExainfAINF");
    static const std::string kFar[] = {"2147483647", "2147483648", "4294967296", "9223372036854775807",
                                       "9223372036854775808", "18446744073709551616", "1" + std::string(30, '0')};
    if (below(8) == 0) return kAnything.substr(below(1000), below(12));
    const auto length = [&below] { return below(4) ? below(4) : below(16) ? below(30) : below(1000); };
    std::string text(below(4) ? 0 : 1 + below(2), " \t\n\v\f\r"[below(6)]);
    text.append(std::string_view("+-+").substr(below(3), below(3)));
    const auto digits = [&] { text.append(below(2) ? 0 : length(), '0').append(kDigits, below(1000), length()); };
    digits();
    const std::size_t point = below(3) ? text.size() : std::string::npos;
    if (point != std::string::npos) text += '.';
    digits();
    if (below(4)) {
        // Where the first significant digit stands, 0 for units and -1 for
        // tenths, so that the exponent can bring the number near an end.
        const std::size_t first = text.find_first_of("123456789"), units = std::min(point, text.size());
        const long long place = static_cast<long long>(units) - static_cast<long long>(first) - (first < units ? 1 : 0);
        const long long exponent = below(3) ? (below(2) ? 290 : -340) + static_cast<long long>(below(50)) - place
                                            : static_cast<long long>(below(700)) - 350;
        text.append(1, "eE"[below(2)]).append(exponent < 0 ? "-" : below(2) ? "+" : "").append(below(4) ? 0 : length(), '0');
        text.append(below(5) ? std::to_string(exponent < 0 ? -exponent : exponent) : kFar[below(std::size(kFar))]);
    }
    return text.append(kAnything, below(1000), below(3));
}

// Against strtod of the decimal number that the reference cuts out: each
// text whole, and cut at two places, which end its number anywhere.
TEST(ReadNumber, ReadsAsTheCLibraryReadsTheLeadingDecimalNumber) {
    std::uint64_t seed = 19;
    int failures = 0;
    for (int i = 0; i < 100000 && failures < 10; ++i) {
        const std::string whole = randomText(seed);
        for (const std::size_t cut : {whole.size(), randomBelow(seed, whole.size() + 1), randomBelow(seed, whole.size() + 1)}) {
            const std::string_view text = std::string_view(whole).substr(0, cut);
            const double expected = reference::readNumber(text);
            if (bits(readNumber(text)) != bits(expected)) {
                ++failures;
                ADD_FAILURE() << '"' << text << "\" read as " << readNumber(text) << ", not " << expected;
            }
        }
    }
}
#endif

}  // namespace
}  // namespace numbers
