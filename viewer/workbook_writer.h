// The spreadsheet workbook of a set of result graphs, written as an .xlsx file.
//
// The workbook opens on the sheet "Legend", an index with one row per graph that links to the
// graph's data sheet. Graph k (from 1, in the order given) gets the worksheet "Page_k" (caption,
// axis titles, a link back to the index, and per curve two columns: legend text in row 4,
// "X" and "Y" in row 5, the point values as numbers from row 6) and right after it the chart
// sheet "Plot_k": an XY scatter chart with lines and markers, one series per curve named by its
// legend text, axis titles and major gridlines, the Y axis reversed for a depth graph (X axis
// on top, depth growing downwards), the legend boxed black on white.
//
// The input is a plain record, so that the writer knows nothing of graph windows. Every curve
// is exported, however many a graph holds, and each with all of its own points.
//
// The workbook is built beside the target and renamed over it only when complete: a failed
// write leaves no partial file and never replaces a good one.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "editor/atomic_file.h"

namespace vornel {

struct WorkbookPoint {
    double x = 0.0;
    double y = 0.0;
};

struct WorkbookCurve {
    QString legendText;
    std::vector<WorkbookPoint> points;
};

struct WorkbookGraph {
    QString caption;
    QString xTitle;  // axis titles with their unit text, "Deflection (in)"
    QString yTitle;
    bool xOnTop = false;  // depth graph: the Y axis grows downwards
    std::vector<WorkbookCurve> curves;
};

// Writes the workbook of `graphs` (at least one) to `path`. Returns an empty text on success,
// else the reason, and then `path` is as it was before. `fault` breaks off the final write, so
// that tests can prove exactly that.
QString write_workbook(const QString& path, const std::vector<WorkbookGraph>& graphs,
                       const std::optional<WriteFault>& fault = std::nullopt);

// Spreadsheet column letters of a 1-based column: 1 "A" .. 26 "Z", 27 "AA", 702 "ZZ", 703 "AAA".
QString workbook_column_letters(int column);

// The sheet texts of the workbook.
namespace workbook_text {
inline constexpr char kLegendSheet[] = "Legend";
inline constexpr char kPagePrefix[] = "Page_";
inline constexpr char kPlotPrefix[] = "Plot_";
inline constexpr char kHeaderNumber[] = "     N    ";
inline constexpr char kHeaderPlotName[] =
    "                             Plot Name                             ";
inline constexpr char kHeaderSheetName[] = "  Sheet Name  ";
inline constexpr char kHeaderChartName[] = "  Chart Name  ";
inline constexpr char kHeaderStatus[] = "          Status          ";
inline constexpr char kComplete[] = "Complete";
inline constexpr char kGoToLegend[] = "Go to Legend Page";
}  // namespace workbook_text

}  // namespace vornel
