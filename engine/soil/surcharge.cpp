#include "engine/soil/surcharge.h"

namespace vornel::soil {

double surcharge_pressure(const EngineState&, double) { return 0.0; }

}  // namespace vornel::soil
