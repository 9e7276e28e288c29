// A core file that reaches into the soil floor: the layer check must reject it.
#pragma once

#include "engine/base/engine_state.h"
#include "engine/soil/surcharge.h"
