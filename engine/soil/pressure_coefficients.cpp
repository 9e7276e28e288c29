#include "engine/soil/pressure_coefficients.h"

#include <cmath>
#include <ostream>

#include "engine/base/fixed_format.h"
#include "engine/base/unit_labels.h"
#include "engine/soil/soil_constants.h"
#include "engine/soil/soil_report.h"

namespace vornel::soil {

double level_sqrt_ka(double phi) {
    return std::tan((45.0 - phi / 2.0) / kDegreesPerRadian);
}

Coefficients earth_pressure_coefficients(double phi, double beta, bool retained) {
    Coefficients c;
    c.sqrt_ka = level_sqrt_ka(phi);
    c.ka = c.sqrt_ka * c.sqrt_ka;
    const double slope = std::abs(beta);
    if (slope > 0.0 && slope < phi) {
        // Rankine's active state under a backfill sloping at beta.
        const double cb = std::cos(beta / kDegreesPerRadian);
        const double cf = std::cos(phi / kDegreesPerRadian);
        const double d = cb * cb - cf * cf;
        if (d >= 0.0 && cb + std::sqrt(d) > 0.0) {
            c.ka = cb * (cb - std::sqrt(d)) / (cb + std::sqrt(d));
            c.sqrt_ka = std::sqrt(c.ka);
        }
    } else if (slope > 0.0 && retained) {
        c.slope_warning = true;
    }
    c.sqrt_kp = std::tan((45.0 + phi / 2.0) / kDegreesPerRadian);
    c.kp = c.sqrt_kp * c.sqrt_kp;
    return c;
}

void compute_overburden_and_coefficients(EngineState& s, LayerTable& t) {
    const double water = s.config.water_depth_backfill;
    double total = s.surface.surface_load;
    for (int i = 0; i < t.count(); ++i) {
        SubLayer& l = t.rows[static_cast<size_t>(i)];
        l.wet = std::abs(l.ztop - water) < kDepthTolerance || l.ztop > water;
        // The pore pressure at the top of this sub-layer comes off its own total stress
        // only; the totals accumulate the full unit weights.
        l.sigma_v = l.wet ? total - (l.ztop - water) * s.gamma_water : total;
        total += l.thickness * l.gamma;
        const Coefficients c =
            earth_pressure_coefficients(l.phi, s.config.backfill_slope, i < t.retained());
        l.ka = c.ka;
        l.sqrt_ka = c.sqrt_ka;
        l.kp = c.kp;
        l.sqrt_kp = c.sqrt_kp;
        l.slope_warning = c.slope_warning;
        if (i + 1 == t.lexc) s.sigma_v_excavation = l.sigma_v;
    }
}

void write_overburden_table(EngineState& s, const LayerTable& t) {
    std::ostream& out = s.out();
    write_framed_heading(s, "EFFECTIVE OVERBURDEN STRESS");
    out << fmt::Line().x(6).text("          DEPTH                     STRESS       ").str() << '\n'
        << fmt::Line().x(16).text(units::length(s.units)).x(22).text(unit_stress(s.units)).str()
        << "\n\n";
    for (const SubLayer& l : t.rows) {
        out << fmt::Line().x(12).e(l.ztop, 10, 3).x(17).e(l.sigma_v, 10, 3).str() << '\n';
    }
}

void write_coefficient_table(EngineState& s, const LayerTable& t) {
    std::ostream& out = s.out();
    write_framed_heading(s, "ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT");
    out << '\n'
        << fmt::Line().x(6).text("  LAYER         ACTIVE EARTH     PASSIVE EARTH   ").str() << '\n'
        << fmt::Line().x(6).text("   NO.          COEFFICIENT      COEFFICIENT     ").str() << '\n';
    static const std::string kSlopeText =
        "THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.";
    static const std::string kSlopeWarning = "\n\n**** WARNING ******\n" + kSlopeText + "\n";
    bool warned = false;
    for (int i = 0; i < t.count(); ++i) {
        const SubLayer& l = t.rows[static_cast<size_t>(i)];
        if (l.slope_warning) {
            if (s.monitor) *s.monitor << kSlopeWarning;
            out << kSlopeWarning;
            if (!warned) s.message(kSlopeText);
            warned = true;
        }
        out << fmt::Line().x(10).i(i + 1, 2).x(9).e(l.ka, 10, 3).x(8).e(l.kp, 10, 3).str() << '\n';
    }
}

}  // namespace vornel::soil
