#include "engine/soil/surcharge.h"

#include <cmath>

#include "engine/soil/soil_constants.h"
#include "engine/soil/soil_report.h"

namespace vornel::soil {
namespace {

constexpr int kSlices = 200;

double cube(double v) {
    return v * v * v;
}

double point_load(double q, double m, double n, double h) {
    if (m <= 0.4) return 0.28 * q * n * n / (h * h * cube(0.16 + n * n));
    return 1.77 * q * m * m * n * n / (h * h * cube(m * m + n * n));
}

double line_load(double q, double m, double n, double h) {
    if (m <= 0.4) {
        const double d = 0.16 + n * n;
        return 0.203 * q * n / (h * d * d);
    }
    const double d = m * m + n * n;
    return 4.0 * q * m * m * n / (kPiShort * h * d * d);
}

double strip_load(double q, double x, double width, double z) {
    const double t1 = std::atan((x - width / 2.0) / z);
    const double t2 = std::atan((x + width / 2.0) / z);
    const double b = t2 - t1;
    return 2.0 * q / kPiShort * (b - std::sin(b) * std::cos(t1 + t2));
}

// Number of the deepest slice point strictly above z (0 when none), slice points at
// i x dz for i = 1 .. kSlices.
int slice_above(double z, double dz) {
    int i = static_cast<int>(std::ceil(z / dz)) - 1;
    if (i < 0) i = 0;
    if (i > kSlices) i = kSlices;
    while (i < kSlices && (i + 1) * dz < z) ++i;
    while (i > 0 && i * dz >= z) --i;
    return i;
}

}  // namespace

double surcharge_row_pressure(const SurchargeRow& row, double h, double z) {
    if (!(h > 0.0) || !(z > 0.0)) return 0.0;
    const double m = row.x / h;
    const double n = z / h;
    switch (row.type) {
        case 2:
            return line_load(row.magnitude, m, n, h);
        case 3:
            return strip_load(row.magnitude, row.x, row.width, z);
        default:
            return point_load(row.magnitude, m, n, h);
    }
}

SurchargeSlices::SurchargeSlices(const EngineState& s) : s_(s), h_(s.config.free_height) {
    const double length = s.wall.ninc * s.wall.h;
    dz_ = length / kSlices;
    active_ = !s.surcharges.empty() && h_ > 0.0 && length > 0.0;
}

double SurchargeSlices::at(double z) {
    if (!active_ || !std::isfinite(z)) return 0.0;
    const int i = slice_above(z, dz_);
    if (i == last_slice_) return last_value_;
    double q = 0.0;
    if (i > 0) {
        for (const SurchargeRow& row : s_.surcharges) q += surcharge_row_pressure(row, h_, i * dz_);
    }
    last_slice_ = i;
    last_value_ = q;
    return q;
}

double surcharge_pressure(const EngineState& s, double z) {
    return SurchargeSlices(s).at(z);
}

double surcharge_pressure_direct(const EngineState& s, double z) {
    double q = 0.0;
    for (const SurchargeRow& row : s.surcharges) {
        q += surcharge_row_pressure(row, s.config.free_height, z);
    }
    return q;
}

bool surcharge_without_height(const EngineState& s) {
    return !s.surcharges.empty() && !(s.config.free_height > 0.0);
}

void write_surcharge_height_warning(EngineState& s) {
    if (!surcharge_without_height(s)) return;
    write_warning(s,
                  "WARNING -- FREE HEIGHT OF WALL IS ZERO: THE SURCHARGE LOADS GIVE NO PRESSURE");
}

}  // namespace vornel::soil
