#include "engine/base/report_banner.h"

#include "engine/base/fixed_format.h"

namespace vornel {

void write_banner(EngineState& s, const char* title) {
    s.out() << fmt::Line().x(6).repeat('*', 50).str() << '\n'
            << fmt::Line().x(6).text(title).str() << '\n'
            << fmt::Line().x(6).repeat('*', 50).str() << '\n';
}

}  // namespace vornel
