#include "engine/run/scratch_files.h"

#include <string>

#include "engine/run/output_file.h"
#include "engine/soil/scratch_text.h"

namespace vornel {
namespace {

void write_scratch(EngineState& s, const char* name, const std::string& text) {
    const std::filesystem::path path = s.scratch_dir / (s.scratch_prefix + name);
    if (!write_whole_file(path, text)) s.message("cannot write the scratch file " + path.string());
}

}  // namespace

void write_scratch_files(EngineState& s) {
    if (s.scratch_dir.empty()) return;
    if (s.handover.pressure_ready) {
        write_scratch(s, kPressureScratchName, soil::bmwall_text(s.handover.pressure));
    }
    if (s.handover.curves_generated) {
        write_scratch(s, kCurveScratchName, soil::soildata_text(s));
    }
}

}  // namespace vornel
