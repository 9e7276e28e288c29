#include "engine/base/unit_labels.h"

namespace vornel {

void set_unit_labels(EngineState& s) {
    if (s.control.unit_system == 1) {
        s.units = {" IN", " LBS", "IN", "LBS"};
    } else if (s.control.unit_system == 2) {
        s.units = {"  M", "  KN", " M", " KN"};
    }
}

namespace units {

std::string length(const UnitLabels& u) {
    return u.length3;
}
std::string force(const UnitLabels& u) {
    return u.force4;
}
std::string force_per_length(const UnitLabels& u) {
    return u.force4 + "/" + u.length2;
}
std::string stiffness(const UnitLabels& u) {
    return u.force4 + "-" + u.length2 + "**" + "2";
}
std::string moment(const UnitLabels& u) {
    return u.force3 + "-" + u.length2;
}
std::string couple(const UnitLabels& u) {
    return u.length3 + "-" + u.force3;
}

}  // namespace units
}  // namespace vornel
