#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "calculator/unit_table.h"

// The list position of the unit a user picks by its text, in whichever of a
// calculator's unit tables holds it (no two of them share a name). A name in
// none of them fails the test and gives -1, the position of no unit.
inline int unitPosition(std::initializer_list<calculator::UnitTable> tables, std::string_view name) {
    for (const calculator::UnitTable table : tables) {
        for (std::size_t position = 0; position < table.size(); ++position) {
            if (table[position].name == name) return static_cast<int>(position);
        }
    }
    ADD_FAILURE() << "no unit \"" << name << "\"";
    return -1;
}
