// The graph window tests: the recording questions, and a graph with known curves.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

#include "tests/support/recording_questions.h"
#include "viewer/graph_plot.h"
#include "viewer/result_graphs.h"

namespace vornel {

// `n` curves: curve k (0-based) runs from (0, 0) to (k + 1, 10) over three points.
void fill_graph(TGraphPlot& g, int n);

// A golden plot data file of the engine's examples.
QString example_plot(const QString& name);

}  // namespace vornel
