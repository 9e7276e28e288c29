// Support for the viewer model tests: the recording questions, plot data file text built block by
// block, and the examples' plot files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "tests/support/recording_questions.h"
#include "viewer/graph_plot.h"
#include "viewer/graph_view.h"
#include "viewer/viewer_questions.h"

namespace vornel::test {

// A graph of one straight curve from (0, 0) to (1, 2), opened as its window would open it.
struct OneCurveGraph {
    TGraphPlot g;
    GraphView v{g};
    OneCurveGraph() {
        g.setCurveCount(1);
        g.curve(0).Points = {{0, 0}, {1, 2}};
        v.open();
    }
};

struct NodeRecord {
    double depth, deflection, moment, shear, reaction;
};

// One result block of a plot data file, written as the engine writes it.
struct PlotBlock {
    std::vector<std::array<double, 4>> pressure;  // depth, total, soils, surcharge
    int units = 1;
    std::vector<std::pair<double, std::vector<std::pair<double, double>>>> pyCurves;
    int nres = 1;
    std::vector<NodeRecord> nodes;
    QByteArray text() const;
};

QByteArray plot_text(const std::vector<PlotBlock>& blocks);
// n stations at spacing h with simple values (deflection 0.1 + j, moment 1000 j, ...).
std::vector<NodeRecord> simple_nodes(int n, double h);

// Path of an example's golden plot data file ("two_stage" -> tests/engine/run/golden/...).
QString example_plot_file(const QString& name);
QString example_deck(const QString& name);
QStringList example_names();

// Compares `actual` with the golden file line by line: empty when equal, else the first
// differing line (or the differing line count). With UPDATE_GOLDEN=1 the golden file is
// rewritten instead; on a mismatch `actual` is kept beside it as *.actual.
QString compare_lines(const QByteArray& actual, const QByteArray& expected);
QString check_golden(const QString& golden_path, const QByteArray& actual);

}  // namespace vornel::test
