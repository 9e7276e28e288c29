// The consistency rules checked before an analysis starts: wall stiffness rows within the
// wall's nodes, and, with a sloping backfill, no sand or silt layer whose friction angle at
// its top is flatter than the slope (the active wedge would not exist).
#pragma once

#include <QString>

#include "editor/program_data.h"

namespace vornel {

// The message of the first broken rule, or an empty text when the project may be analysed.
QString pre_run_check(const TProgramData& data);

}  // namespace vornel
