// The working layer table of the earth-pressure chain.
//
// The soil layers of the input are cut into sub-layers at the excavation level and at the
// water table of the backfill, so that within one sub-layer the soil is either retained or
// on both sides of the wall, and either dry or submerged. Depths are measured down from the
// top of the wall, which is also the backfill surface, in the problem's length unit.
// Properties are constant within a sub-layer: the top-row values of its parent layer.
#pragma once

#include <vector>

#include "engine/base/engine_state.h"

namespace vornel::soil {

constexpr int kMaxSubLayers = 20;
constexpr double kDepthTolerance = 1.0e-5;  // two depths closer than this are one depth

struct SubLayer {
    double thickness = 0.0;
    double cohesion = 0.0;  // force / length^2 (uniaxial strength for rock)
    double phi = 0.0;       // friction angle, degrees
    double gamma = 0.0;     // total unit weight, force / length^3
    bool drained = true;    // sand, silt and rock; false for the three clays
    double ztop = 0.0;      // depth of the top of the sub-layer
    double factor = 0.0;    // modification factor for active earth pressure
    // Filled by the coefficients step.
    bool wet = false;      // the top lies at or below the backfill water table
    double sigma_v = 0.0;  // effective vertical stress at the top, backfill side
    double ka = 0.0, sqrt_ka = 0.0, kp = 0.0, sqrt_kp = 0.0;
    bool slope_warning = false;  // backfill slope not below the friction angle (retained soil)
};

struct LayerTable {
    std::vector<SubLayer> rows;  // NL sub-layers in increasing depth
    double bottom = 0.0;         // depth of the bottom of the last sub-layer
    int lexc = 0;  // number (from 1) of the first sub-layer below the excavation level; 0: none
    int lwtb =
        0;  // number (from 1) of the sub-layer whose top is the backfill water table; 0: none
    bool overflow = false;  // more than kMaxSubLayers sub-layers were needed

    int count() const { return static_cast<int>(rows.size()); }
    // Sub-layers 0 .. retained() - 1 (counted from 0) lie above the excavation level.
    int retained() const { return lexc > 0 ? lexc - 1 : 0; }
    // Depth of the top of sub-layer i (from 0); i == count() gives the bottom of the table.
    double ztop(int i) const { return i < count() ? rows[static_cast<size_t>(i)].ztop : bottom; }
};

// Builds the table from the input layers (a layer of thickness zero or less ends the list),
// the excavation depth, the backfill water depth and the active-pressure factor.
LayerTable subdivide_layers(const std::vector<SoilLayerInput>& layers, double free_height,
                            double water_depth, double active_factor);

// The wall, surcharge and soil sections of the report, in this order.
void write_wall_section(EngineState& s);
void write_surcharge_section(EngineState& s);
void write_soil_section(EngineState& s, const LayerTable& t);

}  // namespace vornel::soil
