// The scratch files BMWALL.001 (the generated pressure table) and SOILDATA (the generated p-y
// curve records), written for callers that look at them: into the current folder for runs
// through NAMES.dat, beside the outputs with the deck's name in front for vornel-run
// --keep-scratch. The core never reads them; the soil results reach it in memory. Beside the
// outputs they are replaced whole, as the outputs are; in the entry point's own hand-over
// folder, which no one else writes, they are overwritten where they lie.
//
// The files show the last problem that generated pressure or curves, as if each problem had
// replaced the files of the one before it; they are written once, when the run closes. A file that
// cannot be written is a console message, not an error stop: the analysis does not need it.
#pragma once

#include "engine/base/engine_state.h"

namespace vornel {

constexpr const char* kPressureScratchName = "BMWALL.001";
constexpr const char* kCurveScratchName = "SOILDATA";

// Writes BMWALL.001 when a problem of the run generated pressure and SOILDATA when a problem
// generated p-y curves (with what the generator produced up to a stop), into s.scratch_dir;
// nothing when it is empty. Called once, when the run closes.
void write_scratch_files(EngineState& s);

}  // namespace vornel
