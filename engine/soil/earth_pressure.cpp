#include "engine/soil/earth_pressure.h"

#include <ostream>

#include "engine/core/run_stop.h"

namespace vornel::soil {

void run_earth_pressure_chain(EngineState& s) {
    s.out() << "\n\n     GENERATED EARTH PRESSURE IS NOT AVAILABLE IN THIS BUILD\n";
    throw RunStop("generated earth pressure is not available");
}

}  // namespace vornel::soil
