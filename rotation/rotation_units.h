#pragma once

#include <array>
#include <cmath>

#include "calculator/unit_table.h"
#include "units/unit_factors.h"

// The Rotation calculator's units, one table per quantity, in the order its
// lists show them. The order of operations is part of the results, down to
// their last digit: a factor is formed first, left to right, and the value
// multiplied in last; out of SI a value is divided by the factor it is
// multiplied by on the way in, never multiplied by a reciprocal. The
// stiffnesses per degree are the exception: out of SI they start from
// RAD_PER_DEG times the stiffness per radian.
namespace rotation {

// Natural frequency, rad/sec first.
inline constexpr std::array<calculator::Unit, 3> kFrequencyUnits = {{
    {"rad/sec", calculator::unchanged, "%14.4g rad/sec ", calculator::unchanged},
    {"Hz", [](double hz) { return units::RAD_PER_CYCLE * hz; },
     "\r\n\r\n %14.4g Hz ", [](double radPerSec) { return radPerSec / units::RAD_PER_CYCLE; }},
    {"rpm", [](double rpm) { return units::RADS_PER_RPM * rpm; },
     "\r\n\r\n %14.4g rpm", [](double radPerSec) { return radPerSec / units::RADS_PER_RPM; }},
}};

// Polar moment of inertia, kg m^2 first.
inline constexpr std::array<calculator::Unit, 6> kInertiaUnits = {{
    {"kg m^2 (N m sec^2)", calculator::unchanged, "%14.5g kg m^2 (N m sec^2)", calculator::unchanged},
    {"slugs ft^2", [](double j) { return (std::pow(units::M_PER_FT, 2.0) * units::KG_PER_SLUG) * j; },
     "\r\n\r\n %14.5g slugs ft^2 ", [](double j) { return j / (std::pow(units::M_PER_FT, 2.0) * units::KG_PER_SLUG); }},
    {"slugs in^2", [](double j) { return (std::pow(units::M_PER_IN, 2.0) * units::KG_PER_SLUG) * j; },
     "\r\n %14.5g slugs in^2 ", [](double j) { return j / (std::pow(units::M_PER_IN, 2.0) * units::KG_PER_SLUG); }},
    {"lbm ft^2", [](double j) { return (std::pow(units::M_PER_FT, 2.0) * units::KG_PER_LBM) * j; },
     "\r\n\r\n %14.5g lbm ft^2 ", [](double j) { return j / (std::pow(units::M_PER_FT, 2.0) * units::KG_PER_LBM); }},
    {"lbm in^2", [](double j) { return (std::pow(units::M_PER_IN, 2.0) * units::KG_PER_LBM) * j; },
     "\r\n %14.5g lbm in^2 ", [](double j) { return j / (std::pow(units::M_PER_IN, 2.0) * units::KG_PER_LBM); }},
    {"lbf in sec^2", [](double j) { return (units::N_PER_LBF * units::M_PER_IN) * j; },
     "\r\n\r\n %14.5g lbf in sec^2", [](double j) { return j / (units::N_PER_LBF * units::M_PER_IN); }},
}};

// Torsional stiffness, N m/rad first: three units per radian, then the same
// three per degree.
inline constexpr std::array<calculator::Unit, 6> kStiffnessUnits = {{
    {"N m/rad", calculator::unchanged, "%14.4g N m/rad ", calculator::unchanged},
    {"ft lbf/rad", [](double k) { return (units::N_PER_LBF * units::M_PER_FT) * k; },
     "\r\n\r\n %14.4g ft lbf/rad ", [](double k) { return k / (units::N_PER_LBF * units::M_PER_FT); }},
    {"in lbf/rad", [](double k) { return (units::N_PER_LBF * units::M_PER_IN) * k; },
     "\r\n %14.4g in lbf/rad ", [](double k) { return k / (units::N_PER_LBF * units::M_PER_IN); }},
    {"N m/deg", [](double k) { return units::DEG_PER_RAD * k; },
     "\r\n\r\n\r\n %14.4g N m/deg ", [](double k) { return units::RAD_PER_DEG * k; }},
    {"ft lbf/deg", [](double k) { return (units::DEG_PER_RAD * units::N_PER_LBF * units::M_PER_FT) * k; },
     "\r\n\r\n %14.4g ft lbf/deg ",
     [](double k) { return (units::RAD_PER_DEG * k) / (units::N_PER_LBF * units::M_PER_FT); }},
    {"in lbf/deg", [](double k) { return (units::DEG_PER_RAD * units::N_PER_LBF * units::M_PER_IN) * k; },
     "\r\n %14.4g in lbf/deg ",
     [](double k) { return (units::RAD_PER_DEG * k) / (units::N_PER_LBF * units::M_PER_IN); }},
}};

}  // namespace rotation
