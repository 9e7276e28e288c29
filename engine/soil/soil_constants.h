// Constants shared by the soil routines.
#pragma once

#include "engine/base/water_unit_weight.h"

namespace vornel::soil {

using vornel::water_unit_weight;

// Degrees to radians in the earth-pressure routines.
constexpr double kDegreesPerRadian = 57.2958;

// The value of pi used by several soil formulas.
constexpr double kPiShort = 3.1416;

}  // namespace vornel::soil
