// Both calculators' unit tables: each unit's factor into SI, and the shape of
// its arithmetic, on which the last digit of every result rests.

#include "calculator/unit_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <random>

#include "calculator/unit_position.h"
#include "rotation/rotation_units.h"
#include "translation/translation_units.h"

namespace {

using calculator::Unit;
using calculator::UnitTable;

const Unit& named(UnitTable table, const char* name) {
    const int position = unitPosition({table}, name);
    return table[position < 0 ? 0 : static_cast<std::size_t>(position)];
}

// Into SI the factor is formed first and the typed value multiplied in last.
// Out of SI a value is divided by that same factor, apart from the units that
// multiply by a factor of their own (`outFactor`, stated too), and the
// stiffnesses per degree, which divide the N m/deg value by the factor of
// their unit per radian.
TEST(UnitTables, EveryConversionKeepsItsFactorAndItsShape) {
    namespace t = translation;
    namespace r = rotation;
    struct Row {
        UnitTable table;
        const char* unit;
        double factor;           // into SI, as stated to ten significant digits
        double outFactor = 0.0;  // out of SI, where the unit has a factor of its own
        const char* perRadian = nullptr;
    };
    const Row rows[] = {
        {t::kMassUnits, "kg", 1.0}, {t::kMassUnits, "slugs", 14.59}, {t::kMassUnits, "lbm", 0.45351},
        {t::kStiffnessUnits, "N/m", 1.0}, {t::kStiffnessUnits, "N/mm", 1000.0, 0.001},
        {t::kStiffnessUnits, "lbf/ft", 14.59448819}, {t::kStiffnessUnits, "lbf/in", 175.1338583},
        {t::kFrequencyUnits, "rad/sec", 1.0}, {t::kFrequencyUnits, "Hz", 6.283185307, 0.1591549431},
        {r::kFrequencyUnits, "rad/sec", 1.0}, {r::kFrequencyUnits, "Hz", 6.283185307},
        {r::kFrequencyUnits, "rpm", 0.1047197551},
        {r::kInertiaUnits, "kg m^2 (N m sec^2)", 1.0}, {r::kInertiaUnits, "slugs ft^2", 1.3554553536},
        {r::kInertiaUnits, "slugs in^2", 0.0094128844}, {r::kInertiaUnits, "lbm ft^2", 0.0421324576704},
        {r::kInertiaUnits, "lbm in^2", 0.0002925865116}, {r::kInertiaUnits, "lbf in sec^2", 0.11298936},
        {r::kStiffnessUnits, "N m/rad", 1.0}, {r::kStiffnessUnits, "ft lbf/rad", 1.35587232},
        {r::kStiffnessUnits, "in lbf/rad", 0.11298936}, {r::kStiffnessUnits, "N m/deg", 57.29577951, 0.01745329252},
        {r::kStiffnessUnits, "ft lbf/deg", 77.68576149, 0.0, "ft lbf/rad"},
        {r::kStiffnessUnits, "in lbf/deg", 6.473813458, 0.0, "in lbf/rad"},
    };
    const Unit& nmPerDeg = named(r::kStiffnessUnits, "N m/deg");
    std::mt19937 random(7);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    std::uniform_int_distribution<int> exponent(-100, 100);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.unit);
        const Unit& unit = named(row.table, row.unit);
        const double factor = unit.toSi(1.0);
        EXPECT_NEAR(factor, row.factor, 5e-10 * row.factor);
        if (row.outFactor != 0.0) {
            EXPECT_NEAR(unit.fromSi(1.0), row.outFactor, 5e-10 * row.outFactor);
        }
        const double perRadian = row.perRadian ? named(row.table, row.perRadian).toSi(1.0) : 0.0;
        int wrongIn = 0, wrongOut = 0;
        for (int i = 0; i < 1000; ++i) {
            const double value = std::ldexp(mantissa(random), exponent(random));
            wrongIn += unit.toSi(value) != factor * value;
            const double out = row.perRadian             ? nmPerDeg.fromSi(value) / perRadian
                               : row.outFactor != 0.0 ? value * unit.fromSi(1.0)
                                                      : value / factor;
            wrongOut += unit.fromSi(value) != out;
        }
        EXPECT_EQ(wrongIn, 0);
        EXPECT_EQ(wrongOut, 0);
    }
}

}  // namespace
