#include "engine/soil/py_generator.h"

#include <ostream>

#include "engine/core/run_stop.h"

namespace vornel::soil {

void generate_py_curves(EngineState& s) {
    s.out() << "\n\n     GENERATED P-Y CURVES ARE NOT AVAILABLE IN THIS BUILD\n";
    throw RunStop("generated p-y curves are not available");
}

}  // namespace vornel::soil
