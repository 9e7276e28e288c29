#include "engine/core/solver.h"

#include <cmath>

#include "engine/core/station_tables.h"

namespace vornel {
namespace {

struct Coefficients {
    double a, b, c, d, e, f;
};

Coefficients equation_at(const EngineState& s, int j) {
    const double h = s.wall.h, h2 = h * h, h3 = h2 * h;
    const double Fm = s.F[j - 1], F0 = s.F[j], Fp = s.F[j + 1];
    const double bend_m = h * s.P[j - 1] + s.R[j - 1];  // axial load and rotational restraint
    const double bend_p = h * s.P[j + 1] + s.R[j + 1];
    Coefficients q;
    q.a = Fm - 0.25 * h * bend_m;
    q.b = -2.0 * (Fm + F0);
    q.c = Fm + 4.0 * F0 + Fp + h3 * s.Sw[j] + 0.25 * h * (bend_m + bend_p);
    q.d = -2.0 * (F0 + Fp);
    q.e = Fp - 0.25 * h * bend_p;
    q.f = h3 * s.Qw[j] - 0.5 * h2 * (s.T[j - 1] - s.T[j + 1]);
    return q;
}

const RestraintRow& row_of(const EngineState& s, int j) {
    static const RestraintRow none{};
    const int row = s.code_row[static_cast<std::size_t>(j + 3)];
    return row >= 0 ? s.restraints[static_cast<std::size_t>(row)] : none;
}

// The equation kept from the station before a prescribed slope, until the station after it
// folds it in: the two equations carry the unknown restraining couple with opposite signs,
// so their sum is free of it.
struct HeldEquation {
    double A = 0.0, B = 0.0, C = 0.0, r = 0.0;
};

// Returns false when the combined slope equation has a zero pivot.
bool apply_code(EngineState& s, int j, double r, HeldEquation& held) {
    const int code = s.code[static_cast<std::size_t>(j + 3)];
    if (code == kOrdinary) return true;
    const RestraintRow& row = row_of(s, j);
    const double two_h = 2.0 * s.wall.h;
    if (code == kSlopeBefore) {
        held = {s.A[j], s.B[j], s.C[j], r};
        s.A[j] = 0.0;
        s.B[j] = 1.0;
        s.C[j] = -two_h * row.slope;  // w(j) = w(j+2) - 2h slope
    } else if (code == kSlopeAfter) {
        const double A1 = s.A[j], B1 = s.B[j], C1 = s.C[j];
        const double ratio = held.r == 0.0 ? 0.0 : r / held.r;
        const double den = 1.0 - (held.A * s.A[j - 1] + held.B - 1.0) * ratio;
        const double g = den == 0.0 ? 0.0 : 1.0 / den;
        s.B[j] = g * B1;
        s.A[j] = (held.A * s.B[j - 1] * ratio + A1) * g;
        s.C[j] = ((held.A * s.C[j - 1] + two_h * row.slope + held.C) * ratio + C1) * g;
        return den != 0.0;
    } else {  // a prescribed deflection
        s.A[j] = 0.0;
        s.B[j] = 0.0;
        s.C[j] = row.deflection;
    }
    return true;
}

}  // namespace

SolveCounts solve_deflections(EngineState& s) {
    const int n = s.wall.ninc;
    for (StationTable* t : {&s.A, &s.B, &s.C}) {
        (*t)[-3] = 0.0;
        (*t)[-2] = 0.0;
    }
    SolveCounts counts;
    HeldEquation held;
    for (int j = -1; j <= n + 1; ++j) {
        const Coefficients q = equation_at(s, j);
        const double E = q.a * s.A[j - 2] + q.b;
        const double D = E * s.A[j - 1] + q.a * s.B[j - 2] + q.c;
        const double r = D == 0.0 ? 0.0 : -1.0 / D;
        s.B[j] = q.e * r;
        s.A[j] = (E * s.B[j - 1] + q.d) * r;
        s.C[j] = (E * s.C[j - 1] + q.a * s.C[j - 2] - q.f) * r;
        // A prescribed deflection or slope replaces the station's own equation.
        const int code = s.code[static_cast<std::size_t>(j + 3)];
        const bool replaced = code == kDeflection || code == kBoth || code == kSlopeBefore;
        const bool combined = apply_code(s, j, r, held);
        const bool solved = replaced || (D != 0.0 && combined);
        if (!solved && j >= 0 && j <= n) ++counts.singular;
    }

    s.W[n + 2] = 0.0;
    s.W[n + 3] = 0.0;
    for (int j = n + 1; j >= -1; --j) {
        const double w = s.A[j] * s.W[j + 1] + s.B[j] * s.W[j + 2] + s.C[j];
        if (j >= 0 && j <= n) {
            if (!(std::fabs(w) <= s.wall.max_deflection)) ++counts.exceeded;
            if (!(std::fabs(w - s.W[j]) <= s.wall.closure_tolerance)) ++counts.not_closed;
        }
        s.W[j] = w;
    }
    return counts;
}

}  // namespace vornel
