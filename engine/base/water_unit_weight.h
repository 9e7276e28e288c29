// Unit weight of water in the problem's unit system: pounds per cubic inch for English (and
// for the unit-free system, which shares its numbers), kilonewtons per cubic metre for SI.
// The values are the single-precision constants widened to double, as every routine of the
// soil models uses them; the input reader sets the problem's value from the control line.
#pragma once

namespace vornel {

inline double water_unit_weight(int unit_system) {
    return unit_system == 2 ? static_cast<double>(9.81f) : static_cast<double>(0.036f);
}

}  // namespace vornel
