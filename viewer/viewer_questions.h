// The messages of the results viewer's model. They go through Questions: the main window
// answers with an information box; tests and the headless tools collect the texts, so nothing
// ever blocks.
#pragma once

#include "editor/questions.h"

namespace vornel {

namespace viewer_text {
inline constexpr char kRunFailed[] = "An error occured in running the main program.";
inline constexpr char kNoMemory[] = "There is not enough memory to complete this task.";
}  // namespace viewer_text

}  // namespace vornel
