// The p-y soil profile: the ground below the excavation level as the curve methods see it.
//
// X is the depth below the excavation level; H + X is the depth below the top of the wall,
// H the free height. The input layers that reach below the excavation level become p-y
// layers 1..n (cut at the excavation level, and cut again two increments below the tip of
// the wall, where the wall stops feeling the soil). Each property is a distribution of
// points, two per layer (its top and its bottom), linear in between; two points at one
// depth mark a layer boundary and may carry different values.
//
// The lookups serve the curve methods at each curve depth. A lookup outside the profile
// means the profile is inconsistent: it writes its report line and throws RunStop.
#pragma once

#include <optional>
#include <vector>

#include "engine/base/engine_state.h"

namespace vornel::soil {

struct PyLayer {
    double xtop = 0.0;  // depth of the top below the excavation level
    double xbot = 0.0;
    int type = 1;    // 1..7, soft clay .. weak rock
    double k = 0.0;  // top-row value 5: modulus of subgrade reaction, or rock mass modulus
};

// A property along X: points x[0..n-1] in non-decreasing depth with values v.
struct Distribution {
    std::vector<double> x, v;
    void add(double depth, double value) {
        x.push_back(depth);
        v.push_back(value);
    }
    size_t size() const { return x.size(); }
};

// What a lookup exactly at a layer boundary returns.
enum class BoundaryRule {
    Deeper,  // the deeper layer's value (strength): the curve belongs to the layer below
    Mean,    // the mean of the two (friction angle, E50, RQD)
};

// The value at depth x, or nothing beyond the last point.
std::optional<double> distribution_value(const Distribution& d, double x, BoundaryRule rule);

struct PyProfile {
    int unit_system = 1;
    double free_height = 0.0;  // H
    double offset = 0.1;       // distance of the first and last curve depth from the layer ends
    double cut = 0.0;          // two increments below the tip of the wall, in X
    std::vector<PyLayer> layers;
    Distribution gamma;     // effective unit weight; every layer taken, uncut
    int gamma_counted = 0;  // the point count printed for gamma (appended points excluded)
    Distribution strength, phi, e50, rqd;  // cut at `cut`

    // Lookups at a curve depth. `s` receives the report line when a lookup fails.
    double strength_at(double x, const EngineState& s) const;
    double phi_at(double x, const EngineState& s) const;
    double e50_at(double x) const;
    double rqd_at(double x) const;
    double average_gamma(double x, const EngineState& s) const;
    double average_strength(double x, int layer, const EngineState& s) const;
};

// Builds the profile from the input layers, the wall configuration and the wall length.
PyProfile build_py_profile(const EngineState& s);

}  // namespace vornel::soil
