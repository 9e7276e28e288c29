#include "engine/soil/earth_pressure.h"

#include <charconv>
#include <cmath>
#include <ostream>
#include <string>

#include "engine/base/fixed_format.h"
#include "engine/base/run_stop.h"
#include "engine/soil/layer_forces.h"
#include "engine/soil/layer_table.h"
#include "engine/soil/pressure_coefficients.h"
#include "engine/soil/pressure_tabulation.h"
#include "engine/soil/soil_constants.h"
#include "engine/soil/soil_report.h"
#include "engine/soil/surcharge.h"
#include "engine/soil/trapezoid_distribution.h"

namespace vornel::soil {
namespace {

[[noreturn]] void stop(EngineState& s, const std::string& line, const std::string& reason) {
    s.out() << "\n\n" << fmt::Line().x(5).text(line).str() << '\n';
    throw RunStop(reason);
}

std::string number_text(double v) {
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return std::string(buf, end);
}

bool all_finite(const PressureTable& p) {
    for (const PressureRow& r : p.points) {
        if (!std::isfinite(r.depth) || !std::isfinite(r.p1) || !std::isfinite(r.p2) ||
            !std::isfinite(r.p3)) {
            return false;
        }
    }
    return true;
}

LayerTable layer_table_and_sections(EngineState& s) {
    LayerTable t = subdivide_layers(s.layers, s.config.free_height, s.config.water_depth_backfill,
                                    s.config.active_factor);
    write_wall_section(s);
    write_surcharge_section(s);
    write_surcharge_height_warning(s);
    write_soil_section(s, t);
    if (t.overflow) {
        stop(s, "ERROR STOP -- MORE THAN 20 SUB-LAYERS IN THE SOIL PROFILE",
             "more than 20 sub-layers in the soil profile");
    }
    if (t.lexc == 0) {
        stop(s, "ERROR STOP -- NO SOIL LAYER BELOW THE EXCAVATION LEVEL",
             "no soil layer below the excavation level");
    }
    // The table holds a point per inch or per 5 cm down to the tip of the wall.
    const double length = s.wall.ninc * s.wall.h;
    const double longest = longest_tabulated_wall(s.control.unit_system);
    if (!(length <= longest)) {
        stop(s,
             "ERROR STOP -- WALL LENGTH NINC X H " + number_text(length) + " OUTSIDE 0.." +
                 number_text(longest) + " FOR GENERATED EARTH PRESSURE",
             "wall length " + number_text(length) + " too long for generated earth pressure");
    }
    return t;
}

PressureTable pressure_table(EngineState& s, LayerTable& t, bool water_pressure) {
    PressureTable p = tabulate_pressure(s, t, water_pressure || s.config.water_switch == 1);
    if (p.extended) {
        write_warning(s,
                      "WARNING -- THE SOIL LAYERS END ABOVE THE TIP OF THE WALL: "
                      "THE LAST LAYER IS CARRIED ON TO THE TIP");
    }
    if (s.control.earth_pressure_code == 3) {
        const SupportLayout supports{s.support_count, s.first_support_depth, s.last_support_depth};
        const std::string warning = apply_trapezoid(p, supports, s.config.free_height);
        if (!warning.empty()) write_warning(s, warning);
    }
    return p;
}

}  // namespace

void run_earth_pressure_chain(EngineState& s) {
    s.gamma_water = water_unit_weight(s.control.unit_system);
    LayerTable t = layer_table_and_sections(s);
    compute_overburden_and_coefficients(s, t);
    write_overburden_table(s, t);
    write_coefficient_table(s, t);
    const ForceTable forces = compute_layer_forces(s, t);
    write_layer_forces(s, t, forces);
    const PressureTable p = pressure_table(s, t, forces.water_table_above_excavation);
    if (!all_finite(p)) {
        stop(s, "ERROR STOP -- THE EARTH PRESSURE IS NOT A FINITE NUMBER; CHECK THE SOIL DATA",
             "the generated earth pressure is not a finite number");
    }
    s.handover.pressure = p.points;
    s.handover.pressure_ready = true;
}

}  // namespace vornel::soil
