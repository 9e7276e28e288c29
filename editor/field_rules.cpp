#include "editor/field_rules.h"

#include <cstring>
#include <limits>
#include <stdexcept>

#include "editor/number_text.h"

namespace vornel {
namespace {

constexpr long double kBig = std::numeric_limits<long double>::max();

}  // namespace

const std::vector<FieldRule>& field_rules() {
    static const std::vector<FieldRule> rules = {
        {"deNI", "Wall Properties", "Increments (nodes)", "Increments", "", ShownAs::Stored, 1, 300,
         true},
        {"deXGS", "Wall Properties", "Increment Length", "IncrementLength", "L", ShownAs::Stored,
         -kBig, kBig, false},
        {"DeFH", "Wall Properties", "Free Height of Wall", "FreeHeight", "L2", ShownAs::Feet, -kBig,
         kBig, false},
        {"deXLN", "Wall Properties", "Maximum Allowable Deflection for computation iteration",
         "MaxDeflection", "L", ShownAs::Stored, -kBig, kBig, false},
        {"deSlope", "Wall Properties", "Deflection Closure Tolerance", "ClosureTolerance", "L",
         ShownAs::Stored, -kBig, kBig, false},
        {"deHL", "Wall Configuration", "Free Height of Wall, H", "FreeHeight", "L2", ShownAs::Feet,
         -1000000, 1000000, false},
        {"deWidth", "Wall Configuration", "Width for Active Earth Press. Calculation, Wa",
         "ActiveWidth", "L", ShownAs::Stored, -kBig, 1200, false},
        {"deHW", "Wall Configuration", "Depth to the Water Table in backfill side, DWb",
         "WaterDepthBackfill", "L2", ShownAs::Feet, -kBig, 1000000, false},
        {"dePYW", "Wall Configuration", "Width for Generating p-y Soil Resistance, Wp", "PYWidth",
         "L", ShownAs::Stored, -kBig, 120, false},
        {"DeHW2", "Wall Configuration", "Depth to the Water Table in excavation side, DWe",
         "WaterDepthExcavation", "L2", ShownAs::Feet, -kBig, 1000000, false},
        {"deGw", "Wall Configuration", "Modification Factor for Active Earth Pressure",
         "ActiveFactor", "", ShownAs::Stored, -kBig, 1000, false},
        {"beta", "Wall Configuration", "Slope of the backfill, Beta", "BackfillSlope", "deg.",
         ShownAs::Stored, -45, 45, false},
        {"deSP", "Wall Configuration", "Uniform Distributed Load at the top of backfill side ",
         "SurfaceLoad", "F/L2^2", ShownAs::PerSquareFoot, -kBig, 10000000, false},
        {"deStage", "Staged Construction Options",
         "Enter the total number of stages (Max. = 5, Min =2)", "StageCount", "", ShownAs::Stored,
         1, 5, true},
    };
    return rules;
}

const FieldRule& field_rule(const char* field) {
    for (const FieldRule& r : field_rules())
        if (std::strcmp(r.field, field) == 0) return r;
    throw std::logic_error(std::string("no rule for the field ") + field);
}

TDataEdit field_model(const FieldRule& rule, int unit_system) {
    TDataEdit e;
    e.setIntegerOnly(rule.integerOnly);
    e.setMinVal(rule.min);
    e.setMaxVal(rule.max);
    e.setUnits(unit_system);
    e.setUnitsString(QString::fromLatin1(rule.unitCode));
    e.setCaption(QString::fromLatin1(rule.caption));
    return e;
}

double shown_value(ShownAs how, double stored, int unit_system) {
    if (unit_system != 1) return stored;
    if (how == ShownAs::Feet) return stored / 12.0;
    if (how == ShownAs::PerSquareFoot) return stored * 144.0;
    return stored;
}

double stored_value(ShownAs how, double shown, int unit_system) {
    if (unit_system != 1) return shown;
    if (how == ShownAs::Feet) return shown * 12.0;
    if (how == ShownAs::PerSquareFoot) return shown / 144.0;
    return shown;
}

QString field_check(const FieldRule& rule, double stored, int unit_system) {
    TDataEdit e = field_model(rule, unit_system);
    e.setText(format_field(shown_value(rule.shown, stored, unit_system)));
    const ValidationResult v = e.validate();
    return v.message;
}

}  // namespace vornel
