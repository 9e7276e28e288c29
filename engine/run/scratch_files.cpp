#include "engine/run/scratch_files.h"

#include <array>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "engine/run/output_file.h"
#include "engine/soil/scratch_text.h"

namespace vornel {
namespace {

void write_scratch(EngineState& s, const char* name,
                   const std::function<void(std::ostream&)>& write) {
    const std::filesystem::path path = s.scratch_dir / (s.scratch_prefix + name);
    std::array<char, 16 * 1024> buffer;
    const Replacement how = s.scratch_in_place ? Replacement::in_place : Replacement::whole;
    if (!write_whole_file(path, buffer, write, how)) {
        s.message("cannot write the scratch file " + path.string());
    }
}

}  // namespace

void write_scratch_files(EngineState& s) {
    if (s.scratch_dir.empty()) return;
    if (s.handover.pressure_ready) {
        write_scratch(s, kPressureScratchName,
                      [&](std::ostream& out) { soil::write_bmwall(out, s.handover.pressure); });
    }
    if (s.handover.curves_generated) {
        write_scratch(s, kCurveScratchName,
                      [&](std::ostream& out) { soil::write_soildata(out, s); });
    }
}

}  // namespace vornel
