// Constants shared by the soil routines.
#pragma once

namespace vornel::soil {

// Unit weight of water in the problem's unit system: pounds per cubic inch for English (and
// for the unit-free system, which shares its numbers), kilonewtons per cubic metre for SI.
// The values are the single-precision constants widened to double, as every routine of the
// soil models uses them.
inline double water_unit_weight(int unit_system) {
    return unit_system == 2 ? static_cast<double>(9.81f) : static_cast<double>(0.036f);
}

// Degrees to radians in the earth-pressure routines.
constexpr double kDegreesPerRadian = 57.2958;

// The value of pi used by several soil formulas.
constexpr double kPiShort = 3.1416;

}  // namespace vornel::soil
