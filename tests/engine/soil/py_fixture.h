// Engine states for the p-y generator tests, filled directly (no input deck), in English
// units: lengths in inches, forces in pounds.
#pragma once

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/engine_state.h"

namespace vornel::test {

constexpr double kFt = 12.0;
constexpr double kPcf = 1.0 / 1728.0;  // pounds per cubic foot in pounds per cubic inch
constexpr double kPsf = 1.0 / 144.0;   // pounds per square foot in pounds per square inch
constexpr double kGammaWater = static_cast<double>(0.036f);

// A state with a report and a message sink that the test can read back: a wall 30 ft long
// (60 increments of 6 in) with a free height of 10 ft, 24 in wide, water table far below.
struct PyState {
    EngineState s;
    std::ostringstream report;
    std::vector<std::string> messages;

    PyState() {
        s.report = &report;
        s.message_sink = [this](const std::string& m) { messages.push_back(m); };
        s.control.unit_system = 1;
        s.control.py_code = 2;
        s.units = {" IN", " LBS", "IN", "LBS"};
        s.wall.ninc = 60;
        s.wall.h = 6.0;
        s.config.free_height = 10 * kFt;
        s.config.active_width = 24.0;
        s.config.py_width = 24.0;
        s.config.water_depth_backfill = 1000 * kFt;
        s.config.water_depth_excavation = 1000 * kFt;
    }
    PyState(const PyState&) = delete;

    // Appends an input layer reaching down to `bottom_ft` below the top of the wall, with
    // the same six values at its top and bottom.
    SoilLayerInput& add_layer(int type, double bottom_ft, std::array<double, 6> values) {
        SoilLayerInput l;
        l.type = type;
        l.bottom_depth = bottom_ft * kFt;
        l.thickness = l.bottom_depth - (s.layers.empty() ? 0.0 : s.layers.back().bottom_depth);
        l.top = values;
        l.bottom = values;
        s.layers.push_back(l);
        return s.layers.back();
    }
};

}  // namespace vornel::test
