// What the Linux program shows for random inputs, for the Windows program to
// be checked against: a Linux program that draws random Calculates of both
// calculators and writes, one line each, what the user does and the texts
// the window then holds, as the Linux build works them out.
//
//   resonix_texts_on_linux SEED COUNT > cases.tsv
//
// Each line: calculator (T or R), analysis, unit 1, unit 2, input 1, input 2,
// then echo 1, echo 2, the title, the results and the static deflection
// ("-" where it is not shown), separated by tabs, with \r, \n and \ escaped.
// Lines of one calculator follow one another in one opening of its window.

#include <array>
#include <cmath>
#include <cstdio>
#include <cstddef>
#include <cstdlib>
#include <random>
#include <string>

#include "numbers/printf_format.h"
#include "rotation/rotation_calc.h"
#include "rotation/rotation_units.h"
#include "translation/translation_calc.h"
#include "translation/translation_units.h"

namespace {

// Unit list lengths of each analysis: input 1's, input 2's.
using Lengths = std::array<std::array<std::size_t, 2>, 3>;
constexpr Lengths kTranslationUnits = {{{translation::kMassUnits.size(), translation::kStiffnessUnits.size()},
                                        {translation::kFrequencyUnits.size(), translation::kMassUnits.size()},
                                        {translation::kFrequencyUnits.size(), translation::kStiffnessUnits.size()}}};
constexpr Lengths kRotationUnits = {{{rotation::kInertiaUnits.size(), rotation::kStiffnessUnits.size()},
                                     {rotation::kFrequencyUnits.size(), rotation::kInertiaUnits.size()},
                                     {rotation::kFrequencyUnits.size(), rotation::kStiffnessUnits.size()}}};

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

// A value a user might type: numbers of every size and form, and text that
// is not quite a number. Printable, and never empty, so it can be typed.
std::string randomInput(std::mt19937& random) {
    static const std::array<const char*, 12> words = {"inf", "nan", "0x1A", "abc", "1,5", ".", "-", "1e", "+.5e-3", "1e400",
                                                      "-1e-400", "infinity"};
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> precision(1, 17);
    // One draw after the other: the operands of * may be worked out in
    // either order, which would make a seed give other inputs elsewhere.
    const double scale = mantissa(random);
    const double value = scale * std::pow(10.0, exponent(random));
    switch (kind(random)) {
    case 0: return words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(random)];
    case 1: return numbers::format("  %.*e", precision(random), value);
    case 2: return numbers::format("%.*f", precision(random) % 6, std::abs(value));
    case 3: return numbers::format("%d", std::uniform_int_distribution<int>(-5, 100000)(random));
    case 4: return numbers::format("%.*g Hz", precision(random), value);
    default: return numbers::format("%.*g", precision(random), std::abs(value));
    }
}

template <typename Kept, typename Calculate>
void writeCases(char name, const Lengths& units, Kept& kept, Calculate calculate, int count,
                std::mt19937& random) {
    std::string title;  // a failure keeps the title of the success before it
    for (int i = 0; i < count; ++i) {
        calculator::CalcRequest request;
        request.analysis = std::uniform_int_distribution<int>(0, 2)(random);
        const auto& lengths = units[static_cast<std::size_t>(request.analysis)];
        request.unit1 = std::uniform_int_distribution<int>(0, static_cast<int>(lengths[0]) - 1)(random);
        request.unit2 = std::uniform_int_distribution<int>(0, static_cast<int>(lengths[1]) - 1)(random);
        request.input1 = randomInput(random);
        request.input2 = randomInput(random);
        const auto result = calculate(request, kept);
        if (result.title) title = *result.title;
        std::string deflection = "-";
        if constexpr (requires { result.deflection; }) {
            if (result.deflection) deflection = *result.deflection;
        }
        std::printf("%c\t%d\t%d\t%d\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", name, request.analysis, request.unit1, request.unit2,
                    request.input1.c_str(), request.input2.c_str(), escaped(result.echo1).c_str(),
                    escaped(result.echo2).c_str(), escaped(title).c_str(), escaped(result.results).c_str(),
                    escaped(deflection).c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: resonix_texts_on_linux SEED COUNT\n");
        return 2;
    }
    std::mt19937 random(static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)));
    const int count = std::atoi(argv[2]);
    translation::KeptQuantities translationKept;
    rotation::KeptQuantities rotationKept;
    writeCases('T', kTranslationUnits, translationKept, translation::calculate, count, random);
    writeCases('R', kRotationUnits, rotationKept, rotation::calculate, count, random);
    return 0;
}
