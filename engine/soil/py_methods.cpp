#include "engine/soil/py_methods.h"

#include "engine/soil/clay_py_curves.h"
#include "engine/soil/rock_py_curves.h"
#include "engine/soil/sand_silt_py_curves.h"

namespace vornel::soil {
namespace {

PyMethod make(int type, decltype(PyMethod::curve) curve, decltype(PyMethod::table) table,
              decltype(PyMethod::equivalent_depth) depth, decltype(PyMethod::shift) shift,
              PointField field, SoildataLayout layout) {
    PyMethod m;
    m.type = type;
    m.curve = curve;
    m.table = table;
    m.equivalent_depth = depth;
    m.shift = shift;
    m.field = field;
    m.layout = layout;
    return m;
}

PyMethod strong_rock() {
    PyMethod m = make(6, strong_rock_curve, write_strong_rock_table, nullptr, nullptr,
                      PointField::DoubleExponent3, SoildataLayout::Packed);
    m.side_headings = false;
    m.applies_mp = true;
    return m;
}

PyMethod with_tail(PyMethod m) {
    m.integral_tail = true;
    return m;
}

}  // namespace

const PyMethod& py_method(int soil_type) {
    using L = SoildataLayout;
    static const PyMethod kMethods[7] = {
        make(1, soft_clay_curve, write_soft_clay_table, soft_clay_equivalent_depth, clay_shift,
             PointField::Fixed3, L::OneBlank),
        make(2, stiff_clay_water_curve, write_stiff_clay_water_table,
             stiff_clay_water_equivalent_depth, clay_shift, PointField::Fixed3, L::OneBlank),
        make(3, stiff_clay_dry_curve, write_stiff_clay_dry_table, stiff_clay_dry_equivalent_depth,
             clay_shift, PointField::Fixed5, L::OneBlank),
        with_tail(make(4, sand_curve, write_sand_table, sand_equivalent_depth, sand_shift,
                       PointField::Fixed3, L::OneBlank)),
        with_tail(make(5, silt_curve, write_silt_table, silt_equivalent_depth, silt_shift,
                       PointField::Exponent3, L::TwoBlanks)),
        strong_rock(),
        make(7, weak_rock_curve, write_weak_rock_table, nullptr, nullptr, PointField::Exponent3,
             L::TwoBlanks),
    };
    if (soil_type < 1 || soil_type > 7) return kMethods[0];
    return kMethods[soil_type - 1];
}

}  // namespace vornel::soil
