// A viewer window that reaches for an editor window: the layer check must fail on it.
#pragma once
#include "editor/ui/window_host.h"
#include "viewer/graph_plot.h"
