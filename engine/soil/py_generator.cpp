#include "engine/soil/py_generator.h"

#include <fstream>
#include <ostream>
#include <sstream>
#include <system_error>

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

// The head of SOILDATA: the number of curve records, then the user curves as entered
// (scaled by their multipliers), which the reader of the file passes over.
void write_user_curves(const EngineState& s, std::ostream& file, int generated) {
    file << fmt::i(static_cast<long long>(s.user_curves.size()) + generated, 5) << '\n';
    for (const UserCurve& c : s.user_curves) {
        const size_t n = c.y_scaled.size();
        file << fmt::Line().i(c.station, 5).i(static_cast<long long>(n), 5).str() << '\n';
        for (size_t j = 0; j < n; ++j) {
            file << fmt::Line()
                        .i(static_cast<long long>(j + 1), 5)
                        .x(1)
                        .e(c.p_scaled[j], 15, 7)
                        .x(1)
                        .e(c.y_scaled[j], 15, 7)
                        .str()
                 << '\n';
        }
    }
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

// Writes SOILDATA in one piece. A fresh file rather than a truncated one: the file system
// then has no old blocks to give back and no reason to flush the old contents on close.
bool write_soildata(const std::filesystem::path& path, const std::string& text) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    return static_cast<bool>(file);
}

void generate_records(EngineState& s, std::ostream& file) {
    s.progress(" READ SOIL DATA....");
    const PyProfile profile = build_py_profile(s);
    write_py_profile(s, profile);

    const int layers = static_cast<int>(profile.layers.size());
    write_user_curves(s, file, kCurvesPerLayer * layers);
    write_modification_rows(s);
    s.out() << "\n\n        P-Y CURVES DATA\n\n";
    if (layers > 0 && !(s.config.py_width > 0.0)) {
        stop(s, "     ERROR STOP -- WIDTH FOR SOIL RESISTANCE, WP, MUST BE GREATER THAN ZERO",
             "width for soil resistance not positive");
    }
    PyRecordWriter writer(s, profile, file);
    for (int k = 1; k <= layers; ++k) writer.write_layer(k);
}

}  // namespace

void generate_py_curves(EngineState& s) {
    const std::filesystem::path path = s.scratch_dir / "SOILDATA";
    std::ostringstream file;
    try {
        generate_records(s, file);
    } catch (const RunStop&) {
        write_soildata(path, file.str());  // what was generated before the stop
        throw;
    }
    if (!write_soildata(path, file.str())) {
        stop(s, "     ERROR STOP -- CANNOT WRITE THE SCRATCH FILE SOILDATA",
             "cannot write " + path.string());
    }
}

}  // namespace vornel::soil
