#include "calculator/oscillator.h"

#include <cmath>
#include <cstddef>
#include <optional>

#include "units/unit_factors.h"

namespace calculator {

namespace {

// A unit list position that is not in the list converts to nothing; the
// kept quantity then stays as it was and the calculation goes on with it.
void keepConverted(double& kept, std::optional<double> converted) {
    if (converted) kept = *converted;
}

// The order of every operation below is part of the results, down to their
// last digit: the quotient before the root, and squares by pow(x, 2.0).

// The divisor is tested as stored in SI; anything not above the limit (zero,
// negative, not a number) answers with `message` instead.
bool aboveLimit(double divisor, const char* message, CalcResult& result) {
    if (divisor > units::ZERO_LIMIT) return true;
    result.results = message;
    return false;
}

void writeSolved(UnitTable units, double si, const char* title, CalcResult& result) {
    result.results = resultsText(units, si);
    result.title = title;
}

bool naturalFrequency(const Motion& motion, const CalcRequest& request, InputValues typed, Oscillator system,
                      CalcResult& result) {
    keepConverted(system.mass, toSi(motion.massUnits, request.unit1, typed.x1));
    keepConverted(system.stiffness, toSi(motion.stiffnessUnits, request.unit2, typed.x2));
    if (!aboveLimit(system.mass, motion.massError, result)) return false;
    system.omega = std::sqrt(system.stiffness / system.mass);
    writeSolved(motion.frequencyUnits, system.omega, motion.titles[0], result);
    return true;
}

bool stiffness(const Motion& motion, const CalcRequest& request, InputValues typed, Oscillator system,
               CalcResult& result) {
    keepConverted(system.omega, toSi(motion.frequencyUnits, request.unit1, typed.x1));
    keepConverted(system.mass, toSi(motion.massUnits, request.unit2, typed.x2));
    // Only the mass is tested: a frequency of either sign squares to the
    // same stiffness.
    if (!aboveLimit(system.mass, motion.massError, result)) return false;
    system.stiffness = std::pow(system.omega, 2.0) * system.mass;
    writeSolved(motion.stiffnessUnits, system.stiffness, motion.titles[1], result);
    return true;
}

bool mass(const Motion& motion, const CalcRequest& request, InputValues typed, Oscillator system,
          CalcResult& result) {
    keepConverted(system.omega, toSi(motion.frequencyUnits, request.unit1, typed.x1));
    keepConverted(system.stiffness, toSi(motion.stiffnessUnits, request.unit2, typed.x2));
    if (!aboveLimit(system.omega, "frequency input error", result)) return false;
    system.mass = system.stiffness / std::pow(system.omega, 2.0);
    writeSolved(motion.massUnits, system.mass, motion.titles[2], result);
    return true;
}

}  // namespace

bool solveOscillator(const Motion& motion, const CalcRequest& request, InputValues typed, Oscillator system,
                     CalcResult& result) {
    // In list order: the position is the analysis.
    using Analysis = bool (*)(const Motion&, const CalcRequest&, InputValues, Oscillator, CalcResult&);
    static constexpr std::array<Analysis, 3> analyses = {naturalFrequency, stiffness, mass};
    if (request.analysis < 0 || static_cast<std::size_t>(request.analysis) >= analyses.size()) return false;
    return analyses[static_cast<std::size_t>(request.analysis)](motion, request, typed, system, result);
}

}  // namespace calculator
