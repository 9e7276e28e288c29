// Support for the viewer model tests: a questions interface that records its messages, plot
// data file text built block by block, and the examples' plot files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "viewer/viewer_questions.h"

namespace vornel::test {

class RecordingQuestions : public ViewerQuestions {
  public:
    void inform(const QString& text) override { messages << text; }
    QStringList messages;
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

// Path of an example's golden plot data file ("two_stage" -> tests/engine/core/golden/...).
QString example_plot_file(const QString& name);
QString example_deck(const QString& name);
QStringList example_names();

}  // namespace vornel::test
