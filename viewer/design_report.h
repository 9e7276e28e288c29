// The design report: one PDF an engineer can hand to a checker.
//
// It holds a title block (project title, file, date, program version, units); the input in
// engineering units as tables (wall, wall configuration, soil layers with their parameters,
// loads, tiebacks, restraints, springs, stiffness, stages); the soil-wall profile; and for
// each problem or construction stage the deflection, moment, shear and soil-reaction graphs
// (drawn by the graph painter, that stage's curve only), the maxima with their depths and the
// iteration count as the engine's report prints them, every warning, and the forces of the
// springs and tiebacks. A run that ended in an error stop shows the message on the first
// page instead of results. Every page carries a header and its number.
//
// The results come from the engine's report (*.vn5o) beside the data file and from the
// result graphs read from the plot data file; the report builder runs no analysis.
#pragma once

#include <QDateTime>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QString>
#include <optional>

namespace vornel {

class TProgramData;
struct ResultGraphs;

struct DesignReportOptions {
    QDateTime date = QDateTime::currentDateTime();  // printed in the title block
    // The engine's report text; none: read from the data file's name with ".vn5o".
    std::optional<QString> engineReport;
};

// Writes the report of `project` with the results in `graphs` (as the plot data file reader
// left them; curve k is problem k) to `path` on pages of `page`. An empty text on success,
// else the message; a failed write leaves no file.
QString write_design_report(const TProgramData& project, ResultGraphs& graphs, const QString& path,
                            const QPageSize& page, const DesignReportOptions& options = {});

// The same report on a printer (after the print dialog; the page size is the printer's).
// False when the printer cannot be painted on.
bool print_design_report(const TProgramData& project, ResultGraphs& graphs,
                         QPagedPaintDevice& printer, const DesignReportOptions& options = {});

// The engine report's path for a data file: the same name with ".vn5o".
QString engine_report_path(const QString& data_file);

}  // namespace vornel
