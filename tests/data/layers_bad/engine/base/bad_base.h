// A base file that reaches up into the run floor: the layer check must reject it.
#pragma once

#include "engine/run/entry.h"
