// The seven p-y methods behind one table, chosen by soil type: 1 soft clay, 2 stiff clay
// with free water, 3 stiff clay without free water, 4 sand, 5 silt, 6 strong rock, 7 weak
// rock. Any other type value is generated as soft clay. Each entry says how the method
// builds a side, prints its table and points, writes its points to SOILDATA, and whether it
// takes part in the equivalent depth and the force shift.
#pragma once

#include <ostream>

#include "engine/base/engine_state.h"
#include "engine/soil/py_curve.h"
#include "engine/soil/py_report.h"

namespace vornel::soil {

struct PyMethod {
    int type = 1;
    SideCurve (*curve)(const CurveProperties&, const SideDepths&) = nullptr;
    void (*table)(std::ostream&, const UnitLabels&, const CurveProperties&, const SideDepths&,
                  const SideCurve&) = nullptr;
    // Depth at which this soil from its surface down builds up the resistance `above` of
    // the layers over it; none for rock.
    double (*equivalent_depth)(const CurveProperties&, double x0, double above) = nullptr;
    // Force shift Ps from the effective overburden at the excavation level; none for rock.
    double (*shift)(const CurveProperties&, double sigma_v_excavation) = nullptr;
    PointField field = PointField::Fixed3;
    SoildataLayout layout = SoildataLayout::OneBlank;
    bool side_headings = true;   // "AT THE EXCAVATION SIDE" before each side
    bool applies_mp = false;     // the curve already carries the p-multiplier
    bool integral_tail = false;  // the resistance integral runs on to the layer bottom
};

const PyMethod& py_method(int soil_type);

}  // namespace vornel::soil
