#include "engine/soil/py_generator.h"

#include <ostream>

#include "engine/base/fixed_format.h"
#include "engine/base/run_stop.h"
#include "engine/soil/py_profile.h"
#include "engine/soil/py_profile_report.h"
#include "engine/soil/py_records.h"

namespace vornel::soil {
namespace {

[[noreturn]] void stop(EngineState& s, const std::string& line, const std::string& why) {
    s.out() << "\n\n" << line << '\n';
    throw RunStop(why);
}

void write_modification_rows(EngineState& s) {
    if (s.py_mods.empty()) return;
    std::ostream& out = s.out();
    out << "\n\n      REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS\n\n"
        << "      DEPTH     P-FACTOR     Y-FACTOR        \n";
    for (const PyModRow& r : s.py_mods) {
        out << fmt::Line()
                   .x(12)
                   .f(r.depth, 7, 2)
                   .x(4)
                   .f(r.p_mult, 6, 2)
                   .x(6)
                   .f(r.y_mult, 6, 2)
                   .str()
            << '\n';
    }
}

void generate_records(EngineState& s) {
    s.progress(" READ SOIL DATA....");
    const PyProfile profile = build_py_profile(s);
    write_py_profile(s, profile);

    const int layers = static_cast<int>(profile.layers.size());
    s.handover.announced_curves = static_cast<int>(s.user_curves.size()) + kCurvesPerLayer * layers;
    write_modification_rows(s);
    s.out() << "\n\n        P-Y CURVES DATA\n\n";
    if (layers > 0 && !(s.config.py_width > 0.0)) {
        stop(s, "     ERROR STOP -- WIDTH FOR SOIL RESISTANCE, WP, MUST BE GREATER THAN ZERO",
             "width for soil resistance not positive");
    }
    PyRecordWriter writer(s, profile);
    for (int k = 1; k <= layers; ++k) writer.write_layer(k);
}

}  // namespace

void generate_py_curves(EngineState& s) {
    s.handover.curves_generated = true;
    s.handover.announced_curves = -1;
    s.handover.user_curves = s.user_curves;
    s.handover.curves.clear();
    generate_records(s);
}

}  // namespace vornel::soil
