#pragma once

#include <array>

#include "calculator/unit_table.h"
#include "units/unit_factors.h"

// The Translation calculator's units, one table per quantity, in the order
// its lists show them. The order of operations is part of the results, down
// to their last digit: where a factor is a product of two constants it is
// formed first and the value multiplied in last, and out of SI an English
// unit divides by the factor it multiplies by on the way in. Hz and N/mm are
// the exceptions: out of SI they multiply, by CYCLE_PER_RAD and by 0.001.
namespace translation {

// Mass, kg first.
inline constexpr std::array<calculator::Unit, 3> kMassUnits = {{
    {"kg", calculator::unchanged, "%14.4g kg ", calculator::unchanged},
    {"slugs", [](double slugs) { return units::KG_PER_SLUG * slugs; },
     "\r\n\r\n %14.4g slugs ", [](double kg) { return kg / units::KG_PER_SLUG; }},
    {"lbm", [](double lbm) { return units::KG_PER_LBM * lbm; },
     "\r\n\r\n %14.4g lbm", [](double kg) { return kg / units::KG_PER_LBM; }},
}};

// Stiffness, N/m first.
inline constexpr std::array<calculator::Unit, 4> kStiffnessUnits = {{
    {"N/m", calculator::unchanged, "%14.4g N/m ", calculator::unchanged},
    {"N/mm", [](double nPerMm) { return 1000.0 * nPerMm; },
     "\r\n %14.4g N/mm ", [](double nPerM) { return nPerM * 0.001; }},
    {"lbf/ft", [](double lbfPerFt) { return (units::FT_PER_M * units::N_PER_LBF) * lbfPerFt; },
     "\r\n\r\n %14.4g lbf/ft ", [](double nPerM) { return nPerM / (units::FT_PER_M * units::N_PER_LBF); }},
    {"lbf/in", [](double lbfPerIn) { return (units::IN_PER_M * units::N_PER_LBF) * lbfPerIn; },
     "\r\n %14.4g lbf/in", [](double nPerM) { return nPerM / (units::IN_PER_M * units::N_PER_LBF); }},
}};

// Natural frequency, rad/sec first.
inline constexpr std::array<calculator::Unit, 2> kFrequencyUnits = {{
    {"rad/sec", calculator::unchanged, "%14.4g rad/sec", calculator::unchanged},
    {"Hz", [](double hz) { return units::RAD_PER_CYCLE * hz; },
     "\r\n\r\n %14.4g Hz", [](double radPerSec) { return units::CYCLE_PER_RAD * radPerSec; }},
}};

}  // namespace translation
