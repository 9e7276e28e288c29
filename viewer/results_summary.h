// ResultsSummary: one row per problem or stage of an analysis, for the engineer's first look
// after a run: the iterations and convergence the engine's report gives, every warning it
// wrote, and the largest deflection, moment, shear and soil reaction with their depths, read
// from the result graphs (so in the graphs' units, English or SI as the deck's units give).
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "viewer/result_graphs.h"

namespace vornel {

struct SummaryExtreme {
    double value = 0.0;  // the value of largest magnitude, with its sign
    double depth = 0.0;
};

struct SummaryRow {
    QString problem;
    int iterations = 0;  // 0 when the report does not say
    bool converged = false;
    QStringList warnings;
    SummaryExtreme deflection, moment, shear, reaction;
};

class ResultsSummary {
  public:
    // `report` is the text of the engine's output report; it may be empty.
    void build(const ResultGraphs& graphs, const QString& report);

    const std::vector<SummaryRow>& rows() const { return rows_; }
    QStringList header() const;
    QStringList cells(const SummaryRow& row) const;
    // The header and every row, tab-separated, one line each, as spreadsheets paste it.
    QString tabSeparated() const;

  private:
    std::vector<SummaryRow> rows_;
    QString deflectionUnits_, forceUnits_, momentUnits_, reactionUnits_, depthUnits_;
};

}  // namespace vornel
