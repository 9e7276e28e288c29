#include "editor/grid_table_chart.h"

#include <QFile>
#include <cmath>

#include "editor/number_text.h"
#include "editor/table_definition.h"

namespace vornel {

void TGridTableChart::writeDefinition(DefinitionWriter& w) const {
    TGridTable::writeDefinition(w);
    w.writeBool(graphic.showChart);
    w.writeBool(graphic.customDrawing);
    w.writeInt(graphic.xColumn);
    w.writeInt(graphic.yColumn);
    w.writeInt(graphic.spare1);
    w.writeInt(graphic.spare2);
}

QString TGridTableChart::readDefinition(DefinitionReader& r) {
    const QString error = TGridTable::readDefinition(r);
    if (!error.isEmpty()) return error;
    GraphicParameters g;
    if (!r.readBool(g.showChart) || !r.readBool(g.customDrawing) || !r.readInt(g.xColumn) ||
        !r.readInt(g.yColumn) || !r.readInt(g.spare1) || !r.readInt(g.spare2))
        return grid_text::kGraphic;
    graphic = g;
    return {};
}

std::unique_ptr<TGridTable> TGridTableChart::createEmpty() const {
    return std::make_unique<TGridTableChart>(registry());
}

void TGridTableChart::copyDefinitionFrom(const TGridTable& from) {
    TGridTable::copyDefinitionFrom(from);
    if (const auto* c = dynamic_cast<const TGridTableChart*>(&from)) {
        GetDataFromFile = c->GetDataFromFile;
        OKCancelButtons = c->OKCancelButtons;
        InvertedXAxis = c->InvertedXAxis;
        InvertedYAxis = c->InvertedYAxis;
        graphic = c->graphic;
    }
}

QStringList TGridTableChart::parseLine(const QString& line) {
    QStringList values;
    qsizetype i = 0;
    const qsizetype n = line.size();
    auto is_end = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char(',') ||
               c == QLatin1Char('\r');
    };
    while (values.size() < 15) {
        while (i < n && (line[i] == QLatin1Char(' ') || line[i] == QLatin1Char('\t'))) ++i;
        if (i >= n) break;
        qsizetype j = i;
        while (j < n && !is_end(line[j])) ++j;
        const QString v = line.mid(i, j - i);
        double d = 0;
        if (!parse_decimal(v, d)) break;
        values.append(v);
        i = j < n ? j + 1 : j;
    }
    return values;
}

ReadValuesResult TGridTableChart::readValues(const QStringList& lines) {
    ReadValuesResult result;
    const int data_columns = columnCount();
    int row = 0;
    for (const QString& line : lines) {
        if (MaxRows() > 0 && row >= MaxRows()) break;
        const QStringList values = parseLine(line);
        if (values.size() != data_columns) continue;
        if (row >= rowCount()) setRowCount(row + 1);
        for (int c = 0; c < data_columns; ++c) {
            const CellResult cell = setText(c, row, values[c]);
            if (!cell.ok) {
                result.message = cell.message;
                result.rowsFilled = row;
                return result;
            }
        }
        ++row;
    }
    if (row > 0) setRowCount(row);
    result.rowsFilled = row;
    return result;
}

ReadValuesResult TGridTableChart::readValuesFromFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {0, f.errorString()};
    const QString text = QString::fromLatin1(f.readAll());
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        lines.append(line);
    }
    return readValues(lines);
}

ReadValuesResult TGridTableChart::pasteValues(const QString& clipboard_text) {
    if (clipboard_text.isEmpty()) return {0, chart_text::kNoClipboardText};
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < clipboard_text.size(); ++i) {
        const QChar c = clipboard_text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < clipboard_text.size() &&
                clipboard_text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty()) lines.append(current);
    return readValues(lines);
}

QString TGridTableChart::axisFormat(double min, double max) {
    const double a = std::fabs(min), b = std::fabs(max);
    const bool both_zero = min == 0.0 && max == 0.0;
    if (!both_zero && (a > 100000.0 || b > 100000.0 || (a < 0.001 && b < 0.001)))
        return QStringLiteral("#.0##E-0");
    return QStringLiteral("#,##0.###");
}

std::vector<QPointF> TGridTableChart::curve(int y_column) const {
    std::vector<QPointF> points;
    for (int r = 0; r < rowCount(); ++r)
        points.emplace_back(real(graphic.xColumn, r), real(y_column, r));
    if (points.size() > 1) {
        bool all_equal = true;
        for (const auto& p : points) all_equal = all_equal && p.y() == points.front().y();
        if (all_equal) points[1].setY(points[1].y() * 1.001);
    }
    return points;
}

}  // namespace vornel
