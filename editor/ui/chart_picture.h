// ChartPicture: what the chart of a chart table shows, built without a display.
//
// The Y column against the X column as a red line of width 2 without markers; with a third
// column, that column against X as a green line of width 2 with square markers, and a legend
// of the two columns' first header lines. Axis titles are the first header lines of the X and
// Y columns; an axis runs backwards when the table asks for it. When all Y values of several
// rows are equal the second point is raised by 0.1 % and the Y axis spans 0.9 to 1.1 times
// the value. Tick labels use "#,##0.###", or "#.0##E-0" for very large or very small ranges.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

namespace vornel {

class TGridTableChart;

struct ChartSeries {
    QString name;
    std::vector<QPointF> points;
    QColor color;
    double width = 2.0;
    bool squareMarkers = false;
};

struct ChartAxis {
    QString title;
    double min = 0.0, max = 1.0;
    bool inverted = false;
    QString format;
    std::vector<double> ticks;
    // Position of `v` along [from, to] (pixels), honouring the inversion.
    double map(double v, double from, double to) const;
};

class ChartPicture {
  public:
    static ChartPicture of(const TGridTableChart& table);

    std::vector<ChartSeries> series;
    bool legend = false;
    ChartAxis x, y;

    // The plot area for a widget of the given size, and the pixel of a data point in it.
    static QRectF plotArea(const QRectF& bounds);
    QPointF map(const QPointF& value, const QRectF& plot) const;

    // A tick label in one of the two formats.
    static QString formatValue(double v, const QString& format);
};

}  // namespace vornel
