#include "soil_fixture.h"

#include <cmath>

#include "engine/base/unit_labels.h"
#include "engine/soil/pressure_coefficients.h"
#include "engine/soil/soil_constants.h"

namespace vornel::test {

SoilProblem::SoilProblem(int unit_system) {
    s.report = &report;
    s.monitor = &monitor;
    s.message_sink = [this](const std::string& m) { messages.push_back(m); };
    s.progress_sink = s.message_sink;  // progress lines in order with the messages
    s.control.unit_system = unit_system;
    s.control.earth_pressure_code = 2;
    set_unit_labels(s);
    s.config.active_width = 12.0;
    s.config.py_width = 12.0;
    s.config.active_factor = 1.0;
    s.config.water_switch = 1;
    s.config.water_depth_backfill = 1.0e6;
    s.config.water_depth_excavation = 1.0e6;
}

void SoilProblem::add_layer(int type, double bottom, double gamma, double cohesion, double phi) {
    SoilLayerInput in;
    in.type = type;
    in.bottom_depth = bottom;
    in.thickness = bottom - (s.layers.empty() ? 0.0 : s.layers.back().bottom_depth);
    in.top = {gamma, cohesion, phi, 0.0, 0.0, 0.0};
    in.bottom = in.top;
    s.layers.push_back(in);
}

void SoilProblem::set_wall(double length, double h, double free_height) {
    s.wall.h = h;
    s.wall.ninc = static_cast<int>(std::lround(length / h));
    s.wall.free_height = free_height;
    s.config.free_height = free_height;
}

soil::LayerTable SoilProblem::prepared_table() {
    s.gamma_water = soil::water_unit_weight(s.control.unit_system);
    soil::LayerTable t = soil::subdivide_layers(
        s.layers, s.config.free_height, s.config.water_depth_backfill, s.config.active_factor);
    soil::compute_overburden_and_coefficients(s, t);
    return t;
}

int count_of(const std::string& hay, const std::string& needle) {
    int n = 0;
    for (size_t at = hay.find(needle); at != std::string::npos; at = hay.find(needle, at + 1)) ++n;
    return n;
}

}  // namespace vornel::test
