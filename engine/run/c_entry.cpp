// The library's exported entry point. A thin shim: all work happens in vornel::enter, which
// catches everything, so no exception, exit or abort can leave the library.
#include <cstdint>

#include "engine/run/entry.h"

extern "C" {

__attribute__((visibility("default"))) std::int32_t IVORNEL(std::int32_t interface_code) {
    return vornel::enter(interface_code);
}

__attribute__((visibility("default"))) std::int32_t _IVORNEL(std::int32_t interface_code) {
    return vornel::enter(interface_code);
}
}
