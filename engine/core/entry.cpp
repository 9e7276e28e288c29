#include "engine/core/entry.h"

namespace vornel {

EngineState run_analysis(const RunRequest&) { return EngineState{}; }

int enter(int interface_code) noexcept {
    if (interface_code != kInterfaceCode) return 1;
    return 0;
}

}  // namespace vornel
