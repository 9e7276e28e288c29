#include "engine/soil/soil_report.h"

#include "engine/core/fixed_format.h"

namespace vornel::soil {

void write_framed_heading(std::ostream& out, std::string_view title) {
    const std::string stars = fmt::Line().x(6).repeat('*', 50).str();
    out << "\n\n" << stars << '\n' << fmt::Line().x(6).text(title).str() << '\n' << stars << "\n\n";
}

std::string unit_length(const UnitLabels& u) { return u.length3; }
std::string unit_force(const UnitLabels& u) { return u.force4; }
std::string unit_force_per_length(const UnitLabels& u) { return u.force4 + "/" + u.length2; }
std::string unit_stress(const UnitLabels& u) { return u.force4 + "/" + u.length2 + "**2"; }
std::string unit_weight(const UnitLabels& u) { return u.force4 + "/" + u.length2 + "**3  "; }

void write_warning(std::ostream& out, std::string_view text) {
    out << "\n\n" << fmt::Line().x(5).text(text).str() << '\n';
}

}  // namespace vornel::soil
