#include "engine/soil/py_multipliers.h"

#include <cmath>

namespace vornel::soil {

double continuous_wall_ratio(double wa, double wp) {
    if (wp <= 0.0) return 1.0;
    const double r = wa / wp;
    return r < 1.0 ? 1.0 : r;
}

double modification_factor(const std::vector<PyModRow>& rows, double z, double PyModRow::*column) {
    const size_t n = rows.size();
    if (n == 0 || z < rows.front().depth || z > rows.back().depth) return 1.0;
    if (n == 1) return rows.front().*column;
    size_t i = 1;  // the first row at or below z
    while (i < n - 1 && z > rows[i].depth) ++i;
    // A step: two rows at one depth; the lower one governs from that depth on.
    if (z == rows[i].depth && i + 1 < n && rows[i + 1].depth == rows[i].depth) {
        return rows[i + 1].*column;
    }
    if (z == rows[i].depth) return rows[i].*column;
    const double dz = rows[i].depth - rows[i - 1].depth;
    if (dz == 0.0) return rows[i].*column;
    const double f0 = rows[i - 1].*column, f1 = rows[i].*column;
    return f0 + (f1 - f0) * (z - rows[i - 1].depth) / dz;
}

Multipliers py_multipliers(const std::vector<PyModRow>& rows, double wa, double wp, double h,
                           double z) {
    Multipliers m;
    if (!rows.empty()) {
        m.p = modification_factor(rows, z, &PyModRow::p_mult);
        m.y = modification_factor(rows, z, &PyModRow::y_mult);
        return m;
    }
    // Group reduction of piles spaced between 1.1 and 3.1 widths apart (centre to centre);
    // closer piles act as a continuous wall, wider ones as single piles.
    const double r = wp > 0.0 ? wa / wp : 1.0;
    if (r >= 3.1 || r < kContinuousWallRatio || z < h) return m;
    m.p = 0.5292 * std::pow(r, 0.5659);
    return m;
}

}  // namespace vornel::soil
