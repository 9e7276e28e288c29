// TGridTableChart: a typed table that is also drawn as a curve and can take its values from
// a text file or the clipboard.
//
// Its real columns know only the force kinds F, F1, F2 and the length kinds L, L1, L2. The
// graphic parameters (show-chart flag, custom-drawing flag, X column, Y column and two spare
// integers) follow the columns in the definition record.
//
// Reading values: each line is cut into values at blanks, tabs and commas (at most 15); a
// line with exactly as many values as the table has data columns becomes the next row, any
// other line is skipped; reading stops when `MaxRows` rows are filled; rows after the last
// filled one are deleted. Values go through `setText`, so the cell rules apply.
#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <vector>

#include "editor/grid_table.h"

namespace vornel {

struct GraphicParameters {
    bool showChart = true;
    bool customDrawing = false;
    int xColumn = 0;
    int yColumn = 1;
    int spare1 = 0;
    int spare2 = 0;
};

struct ReadValuesResult {
    int rowsFilled = 0;
    QString message;  // the first rejected entry or file error; empty on success
};

class TGridTableChart : public TGridTable {
  public:
    explicit TGridTableChart(TableRegistry& registry) : TGridTable(registry) {}

    bool GetDataFromFile = false;
    bool OKCancelButtons = false;
    bool InvertedXAxis = false;
    bool InvertedYAxis = false;
    GraphicParameters graphic;

    void writeDefinition(DefinitionWriter& w) const override;
    QString readDefinition(DefinitionReader& r) override;
    UnitKinds unitKinds() const override { return UnitKinds::Chart; }

    // The values of one line: leading blanks and tabs skipped, values end at a blank, tab,
    // comma or carriage return, parsing stops at the first value that does not convert or
    // after 15 values.
    static QStringList parseLine(const QString& line);

    ReadValuesResult readValues(const QStringList& lines);
    ReadValuesResult readValuesFromFile(const QString& path);
    // Clipboard text: lines end at a carriage return (a line feed right after it belongs to
    // the line end) or at a lone line feed; every line is offered, the last one too.
    ReadValuesResult pasteValues(const QString& clipboard_text);

    // Axis value format: "#.0##E-0" when a bound exceeds 100000 in magnitude or both lie
    // below 0.001 in magnitude (not both 0), else "#,##0.###".
    static QString axisFormat(double min, double max);
    // The curve of Y against X as drawn (when all Y are equal over several rows the second
    // point is raised by 0.1 % so that the axis has a range).
    std::vector<QPointF> curve(int y_column) const;

  protected:
    std::unique_ptr<TGridTable> createEmpty() const override;
    void copyDefinitionFrom(const TGridTable& from) override;
};

namespace chart_text {
inline constexpr char kNoClipboardText[] = "There is no text on the Clipboard";
}

}  // namespace vornel
