// ResultsSummary: the engineer's first look after a run, one column per problem or stage: the
// iterations and convergence the engine's report gives, every warning it wrote, the largest
// deflection, moment, shear and soil reaction with their depths (read from the result graphs),
// and the force in every tieback and lateral spring (read from the report).
//
// Units follow the deck's unit system: English in, ft (depths), kips and in-kips; SI m, kN and
// m-kN; the "other" system keeps the report's consistent units and names none. Every force
// (shear, soil reaction per station, support force) is in kips or kN.
//
// The engine turns a tieback into a lateral spring at its station, so the report lists tiebacks
// and springs alike in its stiffness table (station, stiffness S, rotational stiffness R). The
// force a support carries is S x deflection summed over its stations (positive when it holds
// the wall back against a positive deflection, as a tieback in tension does), per width of
// wall analysed; a rotational restraint carries R x slope. Both are computed from the report's
// three-digit values, and are shown to three digits.
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

// One spring row of the report, or a chain of interpolated rows, with what it carries.
struct SummarySupport {
    int from = 0, to = 0;                   // stations
    double depthFrom = 0.0, depthTo = 0.0;  // in ft or m
    bool lateral = false, rotational = false;
    double force = 0.0;   // kips or kN
    double moment = 0.0;  // in-kips or m-kN
};

struct SummaryRow {
    QString problem;
    int iterations = 0;  // 0 when the report does not say
    bool converged = false;
    QStringList warnings;
    SummaryExtreme deflection, moment, shear, reaction;
    std::vector<SummarySupport> supports;
};

class ResultsSummary {
  public:
    // `report` is the text of the engine's output report; it may be empty.
    void build(const ResultGraphs& graphs, const QString& report);

    const std::vector<SummaryRow>& rows() const { return rows_; }
    // The table as shown and copied: the header ("Problem" and the problems' names), then one
    // line per quantity, its label first. A support gets a line of its own, named by its
    // station and depth, blank for the problems that do not have it; a deck without supports
    // has no such lines.
    QStringList header() const;
    std::vector<QStringList> lines() const;
    // The header and every line, tab-separated, as spreadsheets paste it.
    QString tabSeparated() const;

  private:
    std::vector<SummaryRow> rows_;
    int units_ = 1;  // 1 English, 2 SI, 3 other (consistent units, no names)
};

}  // namespace vornel
