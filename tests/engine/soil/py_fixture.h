// Problems for the p-y generator tests, filled directly (no input deck), in English units:
// lengths in inches, forces in pounds.
#pragma once

#include <array>

#include "tests/engine/soil/soil_fixture.h"

namespace vornel::test {

constexpr double kFt = 12.0;
constexpr double kPcf = 1.0 / 1728.0;  // pounds per cubic foot in pounds per cubic inch
constexpr double kPsf = 1.0 / 144.0;   // pounds per square foot in pounds per square inch
constexpr double kGammaWater = static_cast<double>(0.036f);

// A wall 30 ft long (60 increments of 6 in) with a free height of 10 ft and 24 in wide
// (a continuous wall), p-y code 2, water table far below.
struct PyState : SoilProblem {
    PyState() {
        s.control.py_code = 2;
        set_wall(30 * kFt, 6.0, 10 * kFt);
        s.config.active_width = 24.0;
        s.config.py_width = 24.0;
    }

    // Appends an input layer reaching down to `bottom_ft` below the top of the wall, with
    // the same six values at its top and bottom.
    SoilLayerInput& add_py_layer(int type, double bottom_ft, std::array<double, 6> values) {
        add_layer(type, bottom_ft * kFt, 0.0, 0.0, 0.0);
        s.layers.back().top = values;
        s.layers.back().bottom = values;
        return s.layers.back();
    }
};

}  // namespace vornel::test
