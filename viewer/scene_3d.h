// The 3D model scene: the project as solids and glyphs, ready for the view to replay.
//
// Built from the project object and its tables, and from the first deflection curve of the
// results (the first stage, or the short-term case) as the graph holds it: one point per node
// from the top, deflection in the plot file's units. The scene reads the project and writes
// nothing back. Two lists, replayed by the view as two display lists: `soil` (soil layers and
// water tables) and `wall` (the wall, springs, concentrated loads, restraints, tiebacks and
// surcharge loads, in this order).
#pragma once

#include <vector>

#include "viewer/scene_primitive.h"
#include "viewer/wall_dimensions.h"

namespace vornel {

class TProgramData;

struct DeflectionPoint {
    double depth = 0;
    double deflection = 0;
};
using DeflectionCurve = std::vector<DeflectionPoint>;

// What the view asks to be drawn.
struct SceneOptions {
    bool wall = true, soilLayers = true, waterLevel = true, surcharge = true, lateralSprings = true,
         tieBacks = true, concentratedLoads = true, boundaryConditions = true;
    bool deformedShape = false, undeformedModel = false;
    double deformationFactor = 1.0;
};

struct Scene3d {
    std::vector<ScenePrimitive> soil;
    std::vector<ScenePrimitive> wall;
};

// `extents` are the view's, computed once when it was first shown.
Scene3d build_scene(const TProgramData& d, const DeflectionCurve& deflection,
                    const SceneOptions& options, const SceneExtents& extents);

// The parts, appended to `out` (each checks its own show flag and option switch).
void add_soil_layers(const TProgramData& d, const SceneOptions& o, const SceneExtents& x,
                     std::vector<ScenePrimitive>& out);
void add_water_tables(const TProgramData& d, const SceneOptions& o, const SceneExtents& x,
                      std::vector<ScenePrimitive>& out);
void add_wall(const TProgramData& d, const DeflectionCurve& deflection, const SceneOptions& o,
              std::vector<ScenePrimitive>& out);
void add_springs(const TProgramData& d, const SceneOptions& o, const SceneExtents& x,
                 std::vector<ScenePrimitive>& out);
void add_concentrated_loads(const TProgramData& d, const SceneOptions& o,
                            std::vector<ScenePrimitive>& out);
void add_restraints(const TProgramData& d, const SceneOptions& o, std::vector<ScenePrimitive>& out);
void add_tiebacks(const TProgramData& d, const SceneOptions& o, std::vector<ScenePrimitive>& out);
void add_surcharges(const TProgramData& d, const SceneOptions& o, std::vector<ScenePrimitive>& out);

// Node ranges of a station-range table (lateral springs, concentrated loads): an interpolated
// row reaches to the next row's end node and that next row adds no range of its own; an end
// below the start is taken as the start. `first_row` is the row whose values the range uses.
struct NodeRange {
    int from = 0, to = 0, firstRow = 0;
};
std::vector<NodeRange> node_ranges(const class TGridTable& t, int flag_col, int from_col,
                                   int to_col);

// Panel centres along the wall: y = ±W (j + 0.5), j = 0..9.
std::vector<double> panel_centres(double panel_width);

// Glyphs (a value of 0 draws nothing, so these return false and add nothing).
// Force arrow of size S with its cone tip at `at`, pointing along `dir` for a positive value.
bool add_force(SceneTag tag, Vec3 dir, int color, double size, Vec3 at, double value,
               std::vector<ScenePrimitive>& out);
// Displacement arrow: starts at `at` and points away from it.
bool add_displacement(SceneTag tag, Vec3 dir, int color, double size, Vec3 at, double value,
                      std::vector<ScenePrimitive>& out);
// Moment or slope arc in the x-z plane centred on `at`.
bool add_arc(SceneTag tag, int color, double size, Vec3 at, double value,
             std::vector<ScenePrimitive>& out);

}  // namespace vornel
