// Resultant forces of the active pressure on the retained sub-layers (above the excavation
// level), per unit width of wall: the rectangular part from the overburden and the surcharge
// (PA1), the triangular part from the unit weight (PA2), the cohesion part (PA3, negative),
// and for a diagram that starts in tension only its positive part (PA4). The water forces of
// the sub-layers below the backfill water table are the uniform part from the water above the
// sub-layer (PW1) and the triangle within it (PW2), both kept negative. Forces are force /
// length, their depths length.
#pragma once

#include <vector>

#include "engine/base/engine_state.h"
#include "engine/soil/layer_table.h"

namespace vornel::soil {

struct LayerForces {
    double pa1 = 0.0, pa2 = 0.0, pa3 = 0.0, pa4 = 0.0;
    double z1 = -1000.0, z2 = -1000.0, z3 = -1.0e-5;  // depths of the resultants
    double zp = 0.0;  // height of the positive part of a diagram that starts in tension
    double pw1 = 0.0, pw2 = 0.0;
};

struct ForceTable {
    std::vector<LayerForces> rows;  // one per sub-layer; only the retained ones are filled
    bool water_table_above_excavation = false;  // the water forces are tabulated
    double net = 0.0;                           // net active force on the retained height
};

// Effective unit weight of a sub-layer: buoyant when it is submerged and drains.
double effective_unit_weight(const SubLayer& l, double gamma_water);

ForceTable compute_layer_forces(const EngineState& s, const LayerTable& t);

// "ACTIVE EARTH PRESSURE OF EACH LAYER", "ACTIVE WATER PRESSURE OF EACH LAYER" when the
// water table lies above the excavation level, and the message about a negative net force
// (report and console).
void write_layer_forces(EngineState& s, const LayerTable& t, const ForceTable& f);

}  // namespace vornel::soil
