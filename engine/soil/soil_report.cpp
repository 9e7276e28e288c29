#include "engine/soil/soil_report.h"

#include "engine/base/fixed_format.h"
#include "engine/base/report_banner.h"
#include "engine/base/unit_labels.h"

namespace vornel::soil {

void write_framed_heading(EngineState& s, const char* title) {
    s.out() << "\n\n";
    write_banner(s, title);
    s.out() << '\n';
}

std::string unit_stress(const UnitLabels& u) {
    return units::force_per_length(u) + "**2";
}
std::string unit_weight(const UnitLabels& u) {
    return units::force_per_length(u) + "**3  ";
}

void write_warning(EngineState& s, const std::string& text) {
    s.out() << "\n\n" << fmt::Line().x(5).text(text).str() << '\n';
    s.message(text);
}

}  // namespace vornel::soil
