// The wall's dimensions and the extents of the 3D scene, in drawing units: ft when the project
// is in English units (its lengths are held in inches, so they are divided by 12), the
// project's own length unit otherwise. Table columns held in ft or m are used as they stand.
#pragma once

namespace vornel {

class TProgramData;

struct WallDimensions {
    double length = 0;     // L: increments x increment length
    double thickness = 0;  // e: a tenth of the p-y width, or L / 100 when that is 0
    double width = 0;      // W: the panel width, the active width or L / 10 when that is 0
    double increment = 0;  // h
    int nodes = 0;         // N: the number of increments
};

WallDimensions wall_dimensions(const TProgramData& d);

// Extents of the scene: 2d across the wall, 2b along it, 2a in depth; D the largest
// dimension and P the smaller plan size.
struct SceneExtents {
    double d = 0, b = 0, a = 0, D = 0, P = 0;
    double surchargeReach = 0;  // c
};

SceneExtents scene_extents(const TProgramData& d);

// Lengths held by the project object in drawing units (÷ 12 in English units).
double project_length(const TProgramData& d, double value);
// Lengths of the surcharge table's small length column (÷ 12 in English units, ÷ 1000 else).
double surcharge_length(const TProgramData& d, double value);

}  // namespace vornel
