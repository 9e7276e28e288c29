// What the soil routines hand to the core for one problem, kept in memory: the generated
// pressure table (earth-pressure codes 2 and 3) and the generated p-y curve records (p-y
// code 2), as the soil routines computed them.
//
// The core takes every value as the scratch files BMWALL.001 and SOILDATA hold it: the
// pressure points and the curve points rounded to their E10.3 fields, the curve depths to
// their E15.7 field (fmt::as_written_e). The files themselves are written from these records
// by the run, where a caller wants them.
#pragma once

#include <array>
#include <vector>

namespace vornel {

// One point of the generated pressure table, force / length^2 per unit width of wall.
struct PressureRow {
    double depth = 0.0;
    double p1 = 0.0;  // total
    double p2 = 0.0;  // soil and water
    double p3 = 0.0;  // surcharge and surface load
};

// Spacing of the three numbers of a SOILDATA point line (I5 and two E10.3 fields); each p-y
// method has its own.
enum class SoildataLayout {
    OneBlank,   // I5, 1X, E10.3, 1X, E10.3
    TwoBlanks,  // I5, 2X, E10.3, 2X, E10.3
    Packed,     // I5, 1X, E10.3, E10.3
};

constexpr int kCurveRecordSidePoints = 17;
constexpr int kCurveRecordPoints = 2 * kCurveRecordSidePoints;

// One generated curve record: points 1..17 (index 0..16) are the excavation-side curve,
// which resists positive deflection, points 18..34 the backfill-side curve; each side runs
// from its smallest deflection up, after the multipliers and the force shift.
struct CurveRecord {
    double depth = 0.0;  // below the top of the wall
    std::array<double, kCurveRecordPoints> p{}, y{};
    SoildataLayout layout = SoildataLayout::OneBlank;
    int sides = 0;  // sides generated: 2 for a whole record, fewer when the run stopped in it
};

}  // namespace vornel
