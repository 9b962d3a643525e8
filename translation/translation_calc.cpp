#include "translation/translation_calc.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "calculator/calc_request.h"
#include "numbers/printf_format.h"
#include "units/unit_factors.h"

namespace translation {

using numbers::format;
using calculator::keepConverted;

namespace {

// Unit list positions to SI values. Where the factor is a product of two
// constants it is formed first and the typed value multiplied in last, so the
// printed results come out the same to the last digit. A position that is not
// in the list gives nothing.

std::optional<double> massToKg(double value, int unit) {
    switch (unit) {
    case 0: return value;                                 // kg
    case 1: return units::KG_PER_SLUG * value;            // slugs
    case 2: return units::KG_PER_LBM * value;             // lbm
    default: return std::nullopt;
    }
}

std::optional<double> stiffnessToNPerM(double value, int unit) {
    switch (unit) {
    case 0: return value;                                              // N/m
    case 1: return 1000.0 * value;                                     // N/mm
    case 2: return (units::FT_PER_M * units::N_PER_LBF) * value;       // lbf/ft
    case 3: return (units::IN_PER_M * units::N_PER_LBF) * value;       // lbf/in
    default: return std::nullopt;
    }
}

std::optional<double> frequencyToRadPerSec(double value, int unit) {
    switch (unit) {
    case 0: return value;                                 // rad/sec
    case 1: return units::RAD_PER_CYCLE * value;          // Hz
    default: return std::nullopt;
    }
}

// The static deflection under 1 G of the kept mass on the kept stiffness,
// whichever of the two was typed and whichever computed.
void addDeflection(KeptQuantities& kept, CalcResult& result) {
    kept.tra_deflection = (kept.tra_mass * 9.81) / kept.tra_stiffness;
    kept.tra_deflection_text = format("%14.3g mm \r\n\r\n %14.3g in",
                                          kept.tra_deflection * 1000.0,
                                          kept.tra_deflection * units::IN_PER_M);
    result.deflection = kept.tra_deflection_text;
}

void naturalFrequency(calculator::InputValues typed, const CalcRequest& request,
                      KeptQuantities& kept, CalcResult& result) {
    keepConverted(kept.tra_mass, massToKg(typed.x1, request.unit1));
    keepConverted(kept.tra_stiffness, stiffnessToNPerM(typed.x2, request.unit2));
    if (!(kept.tra_mass > units::ZERO_LIMIT)) {
        result.results = "mass input error";
        return;
    }
    kept.tra_omega = std::sqrt(kept.tra_stiffness / kept.tra_mass);
    result.results = format("%14.4g rad/sec\r\n\r\n %14.4g Hz", kept.tra_omega,
                                units::CYCLE_PER_RAD * kept.tra_omega);
    result.title = "Natural Frequency";
    addDeflection(kept, result);
}

void stiffness(calculator::InputValues typed, const CalcRequest& request,
               KeptQuantities& kept, CalcResult& result) {
    keepConverted(kept.tra_omega, frequencyToRadPerSec(typed.x1, request.unit1));
    keepConverted(kept.tra_mass, massToKg(typed.x2, request.unit2));
    // Only the mass is checked: a frequency of either sign squares to the
    // same stiffness.
    if (!(kept.tra_mass > units::ZERO_LIMIT)) {
        result.results = "mass input error";
        return;
    }
    kept.tra_stiffness = std::pow(kept.tra_omega, 2.0) * kept.tra_mass;
    const double k = kept.tra_stiffness;
    result.results = format(
        "%14.4g N/m \r\n %14.4g N/mm \r\n\r\n %14.4g lbf/ft \r\n %14.4g lbf/in", k,
        k * 0.001, k / (units::FT_PER_M * units::N_PER_LBF),
        k / (units::IN_PER_M * units::N_PER_LBF));
    result.title = "Stiffness";
    addDeflection(kept, result);
}

void mass(calculator::InputValues typed, const CalcRequest& request, KeptQuantities& kept,
          CalcResult& result) {
    keepConverted(kept.tra_omega, frequencyToRadPerSec(typed.x1, request.unit1));
    keepConverted(kept.tra_stiffness, stiffnessToNPerM(typed.x2, request.unit2));
    if (!(kept.tra_omega > units::ZERO_LIMIT)) {
        result.results = "frequency input error";
        return;
    }
    kept.tra_mass = kept.tra_stiffness / std::pow(kept.tra_omega, 2.0);
    const double m = kept.tra_mass;
    result.results = format("%14.4g kg \r\n\r\n %14.4g slugs \r\n\r\n %14.4g lbm", m,
                                m / units::KG_PER_SLUG, m / units::KG_PER_LBM);
    result.title = "Mass";
    addDeflection(kept, result);
}

}  // namespace

CalcResult calculate(const CalcRequest& request, KeptQuantities& kept) {
    // In list order: the position is the analysis.
    static constexpr std::array<calculator::Analysis<KeptQuantities, CalcResult>, 3> analyses = {
        naturalFrequency, stiffness, mass};
    return calculator::solve(request, kept, analyses);
}

}  // namespace translation
