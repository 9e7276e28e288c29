#include "viewer/wall_dimensions.h"

#include <algorithm>

#include "editor/program_data.h"

namespace vornel {

double project_length(const TProgramData& d, double value) {
    return d.UnitSystem == 1 ? value / 12.0 : value;
}

double surcharge_length(const TProgramData& d, double value) {
    return d.UnitSystem == 1 ? value / 12.0 : value / 1000.0;
}

WallDimensions wall_dimensions(const TProgramData& d) {
    WallDimensions w;
    w.increment = project_length(d, d.IncrementLength);
    w.nodes = d.Increments;
    w.length = d.Increments * w.increment;
    w.thickness = 0.1 * project_length(d, d.PYWidth);
    if (w.thickness == 0) w.thickness = 0.01 * w.length;
    w.width = project_length(d, d.ActiveWidth);
    if (w.width == 0) w.width = 0.1 * w.length;
    return w;
}

SceneExtents scene_extents(const TProgramData& d) {
    const WallDimensions wall = wall_dimensions(d);
    SceneExtents x;
    x.b = 5 * wall.width;
    if (d.UseSurcharge) {
        const TGridTable& t = d.tables().SurchargeTable;
        for (int r = 0; r < t.rowCount(); ++r) {
            double reach = surcharge_length(d, t.real(col::kSuDistance, r));
            if (t.item(col::kSuType, r) == 3)
                reach += surcharge_length(d, t.real(col::kSuWidth, r)) / 2;
            x.surchargeReach = std::max(x.surchargeReach, 0.9 * reach);
        }
    }
    x.d = std::max(2.5 * x.b, x.surchargeReach);
    const TGridTable& soil = d.tables().NewSoil;
    const double bottom = soil.rowCount() > 0 ? soil.real(col::kSlDepth, soil.rowCount() - 1) : 0;
    x.a = std::max(wall.length, bottom);
    x.D = std::max({2 * x.a, x.d, x.b});
    x.P = std::min(2 * x.d, 2 * x.b);
    return x;
}

}  // namespace vornel
