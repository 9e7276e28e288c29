// The curve records of the p-y profile: five curve depths per layer, each giving a record
// of two one-sided curves (excavation side at depth X, backfill side at depth H + X),
// multiplied, shifted, printed in the report and handed to the core in s.handover.curves.
//
// Layers below the first see their soil as if it started at an equivalent depth: the depth
// at which their own soil would have built up the resistance of all the soil above them.
// The force shift moves the excavation-side curve down and the backfill-side curve up by
// the net earth thrust Ps that the retained soil already exerts at the excavation level.
#pragma once

#include <array>
#include <ostream>
#include <vector>

#include "engine/base/engine_state.h"
#include "engine/soil/py_curve.h"
#include "engine/soil/py_profile.h"

namespace vornel::soil {

constexpr int kCurvesPerLayer = 5;
constexpr int kRecordPoints = kCurveRecordPoints;

// The five curve depths of a layer: the first and last 0.1 (SI 0.01) inside its ends and
// the three quarter points.
std::array<double, kCurvesPerLayer> curve_depths(const PyLayer& layer, double offset);

// State of one generation run across the layers.
class PyRecordWriter {
  public:
    PyRecordWriter(EngineState& s, const PyProfile& profile);

    // Generates, prints and hands over the five records of p-y layer `layer` (from 1). Layers
    // are generated in order; throws RunStop (after its report line) on unusable data.
    void write_layer(int layer);

    // Resistance of layer k integrated over its depth (excavation side), and its equivalent
    // depth; both indexed from 1.
    double resistance(int layer) const { return resistance_[static_cast<size_t>(layer)]; }
    double equivalent_depth(int layer) const { return xeq_[static_cast<size_t>(layer)]; }

  private:
    struct LayerSums;
    struct CurveContext;

    CurveProperties properties(int layer, int index, double x, LayerSums& sums) const;
    void check(int layer, int index, const CurveProperties& pr) const;
    // Prints and writes one side; returns the resistance that the side integrates.
    double write_side(const CurveContext& cc, Side side);

    EngineState& s_;
    const PyProfile& profile_;
    double ratio_ = 1.0;  // width ratio for the continuous-wall test
    std::vector<double> resistance_, xeq_;
};

}  // namespace vornel::soil
