// What the design report takes from the engine's text report (*.vn5o): per problem (one
// analysis, the short and the long term, or a construction stage) its heading, the iteration
// count, every warning, the results table as printed and the supports acting at a single
// station (springs and tiebacks), and for the run an error stop's message.
//
// Values are kept as the report prints them (E12.3 fields such as 0.219E+00), so that the
// design report quotes the engine's own figures; their numbers serve for the maxima and
// the support forces.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace vornel {

struct ReportValue {
    QString text;  // as printed
    double value = 0.0;
};

// One row of the results table: station, depth and the six results.
struct ReportStationRow {
    int station = 0;
    ReportValue x, deflection, slope, moment, shear, reaction, ei;
};

// A spring or tieback row of the stiffness and load table that acts at one station.
struct ReportSupport {
    int station = 0;
    ReportValue stiffness;  // lateral spring stiffness S (force / length)
};

struct ReportProblem {
    QString heading;  // the problem heading line, trimmed
    int iterations = -1;
    QStringList warnings;
    std::vector<ReportStationRow> rows;
    std::vector<ReportSupport> supports;
    // Unit texts of the results table's unit line: length, moment, force.
    QString lengthUnit, momentUnit, forceUnit;
    bool hasResults() const { return !rows.empty(); }
};

struct EngineReport {
    std::vector<ReportProblem> problems;
    QString errorStop;   // the message of an error stop; empty when the run ended normally
    bool ended = false;  // "END OF ANALYSIS" was written
};

EngineReport parse_engine_report(const QString& text);

enum class ResultQuantity { Deflection, Moment, Shear, Reaction };

// The row whose value of `q` is largest in magnitude; none for a problem without results.
// Rows that print the same value are told apart by `finer` (the values per station at more
// digits, such as the plot data file's) when given, else the first of them is taken.
const ReportStationRow* maximum_row(const ReportProblem& p, ResultQuantity q,
                                    const std::vector<double>* finer = nullptr);
const ReportValue& value_of(const ReportStationRow& row, ResultQuantity q);

}  // namespace vornel
