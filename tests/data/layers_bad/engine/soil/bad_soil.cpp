// A soil file that reaches into the core floor: the layer check must reject it.
#include "engine/core/report_input.h"
