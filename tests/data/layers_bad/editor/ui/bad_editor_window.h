// An editor window that reaches for a viewer window: the layer check must fail on it.
#pragma once
#include "editor/ui/input_dialog.h"
#include "viewer/ui/graph_window.h"
