#include "rotation/rotation_calc.h"

#include <array>
#include <cmath>
#include <optional>

#include "numbers/printf_format.h"
#include "units/unit_factors.h"

namespace rotation {

using numbers::format;
using calculator::keepConverted;
using namespace units;

// Each factor is formed first, left to right, and the typed value multiplied
// in last, so the printed results come out the same to the last digit.

std::optional<double> frequencyToRadPerSec(double value, int unit) {
    switch (unit) {
    case 0: return value;                  // rad/sec
    case 1: return RAD_PER_CYCLE * value;  // Hz
    case 2: return RADS_PER_RPM * value;   // rpm
    default: return std::nullopt;
    }
}

std::optional<double> inertiaToKgM2(double value, int unit) {
    switch (unit) {
    case 0: return value;                                          // kg m^2 (N m sec^2)
    case 1: return (std::pow(M_PER_FT, 2.0) * KG_PER_SLUG) * value;  // slugs ft^2
    case 2: return (std::pow(M_PER_IN, 2.0) * KG_PER_SLUG) * value;  // slugs in^2
    case 3: return (std::pow(M_PER_FT, 2.0) * KG_PER_LBM) * value;   // lbm ft^2
    case 4: return (std::pow(M_PER_IN, 2.0) * KG_PER_LBM) * value;   // lbm in^2
    case 5: return (N_PER_LBF * M_PER_IN) * value;                   // lbf in sec^2
    default: return std::nullopt;
    }
}

std::optional<double> stiffnessToNmPerRad(double value, int unit) {
    switch (unit) {
    case 0: return value;                                         // N m/rad
    case 1: return (N_PER_LBF * M_PER_FT) * value;                // ft lbf/rad
    case 2: return (N_PER_LBF * M_PER_IN) * value;                // in lbf/rad
    case 3: return DEG_PER_RAD * value;                           // N m/deg
    case 4: return (DEG_PER_RAD * N_PER_LBF * M_PER_FT) * value;  // ft lbf/deg
    case 5: return (DEG_PER_RAD * N_PER_LBF * M_PER_IN) * value;  // in lbf/deg
    default: return std::nullopt;
    }
}

namespace {

// Out of SI every value is divided by the factor its unit converts in by;
// dividing rather than multiplying by a reciprocal keeps the last digit.

void naturalFrequency(calculator::InputValues typed, const CalcRequest& request, KeptQuantities& kept,
                      CalcResult& result) {
    keepConverted(kept.rot_inertia, inertiaToKgM2(typed.x1, request.unit1));
    keepConverted(kept.rot_stiffness, stiffnessToNmPerRad(typed.x2, request.unit2));
    if (!(kept.rot_inertia > ZERO_LIMIT)) {
        result.results = "inertia input error";
        return;
    }
    const double omega = kept.rot_omega = std::sqrt(kept.rot_stiffness / kept.rot_inertia);
    result.results = format("%14.4g rad/sec \r\n\r\n %14.4g Hz \r\n\r\n %14.4g rpm", omega,
                                omega / RAD_PER_CYCLE, omega / RADS_PER_RPM);
    result.title = "Natural Frequency ";
}

void torsionalStiffness(calculator::InputValues typed, const CalcRequest& request, KeptQuantities& kept,
                        CalcResult& result) {
    keepConverted(kept.rot_omega, frequencyToRadPerSec(typed.x1, request.unit1));
    keepConverted(kept.rot_inertia, inertiaToKgM2(typed.x2, request.unit2));
    // Only the inertia is checked: a frequency of either sign squares to the
    // same stiffness.
    if (!(kept.rot_inertia > ZERO_LIMIT)) {
        result.results = "inertia input error";
        return;
    }
    const double k = kept.rot_stiffness = std::pow(kept.rot_omega, 2.0) * kept.rot_inertia;
    const double kd = RAD_PER_DEG * k;
    const double cf = N_PER_LBF * M_PER_FT;
    const double ci = N_PER_LBF * M_PER_IN;
    result.results = format(
        "%14.4g N m/rad \r\n\r\n %14.4g ft lbf/rad \r\n %14.4g in lbf/rad \r\n\r\n\r\n"
        " %14.4g N m/deg \r\n\r\n %14.4g ft lbf/deg \r\n %14.4g in lbf/deg ",
        k, k / cf, k / ci, kd, kd / cf, kd / ci);
    result.title = "Torsional Stiffness ";
}

void polarMomentOfInertia(calculator::InputValues typed, const CalcRequest& request, KeptQuantities& kept,
                          CalcResult& result) {
    keepConverted(kept.rot_omega, frequencyToRadPerSec(typed.x1, request.unit1));
    keepConverted(kept.rot_stiffness, stiffnessToNmPerRad(typed.x2, request.unit2));
    if (!(kept.rot_omega > ZERO_LIMIT)) {
        result.results = "frequency input error";
        return;
    }
    const double j = kept.rot_inertia = kept.rot_stiffness / std::pow(kept.rot_omega, 2.0);
    const double f2 = std::pow(M_PER_FT, 2.0);
    const double i2 = std::pow(M_PER_IN, 2.0);
    result.title = "Polar Moment of Inertia ";
    result.results = format(
        "%14.5g kg m^2 (N m sec^2)\r\n\r\n %14.5g slugs ft^2 \r\n %14.5g slugs in^2 \r\n\r\n"
        " %14.5g lbm ft^2 \r\n %14.5g lbm in^2 \r\n\r\n %14.5g lbf in sec^2",
        j, j / (f2 * KG_PER_SLUG), j / (i2 * KG_PER_SLUG), j / (f2 * KG_PER_LBM),
        j / (i2 * KG_PER_LBM), j / (N_PER_LBF * M_PER_IN));
}

}  // namespace

CalcResult calculate(const CalcRequest& request, KeptQuantities& kept) {
    // In list order: the position is the analysis.
    static constexpr std::array<calculator::Analysis<KeptQuantities, CalcResult>, 3> analyses = {
        naturalFrequency, torsionalStiffness, polarMomentOfInertia};
    return calculator::solve(request, kept, analyses);
}

}  // namespace rotation
