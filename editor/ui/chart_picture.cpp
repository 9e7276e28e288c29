#include "editor/ui/chart_picture.h"

#include <QLocale>
#include <cmath>

#include "editor/grid_table_chart.h"

namespace vornel {

namespace {

bool numeric(const TGridTable& t, int c) {
    if (c < 0 || c >= t.columnCount()) return false;
    const ColumnType type = t.column(c).type;
    return type == ColumnType::Real || type == ColumnType::Integer;
}

double value(const TGridTable& t, int c, int r) {
    return t.column(c).type == ColumnType::Integer ? t.item(c, r) : t.real(c, r);
}

QString firstHeader(const TGridTable& t, int c) {
    return c >= 0 && c < t.columnCount() && !t.column(c).headers.isEmpty()
               ? t.column(c).headers.front()
               : QString();
}

// A round step that cuts the range into about five parts.
double niceStep(double range) {
    const double raw = range / 5.0;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    for (double f : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (raw <= f * mag) return f * mag;
    return 10.0 * mag;
}

void fitAxis(ChartAxis& a, double lo, double hi) {
    if (!(lo <= hi)) lo = hi = 0.0;
    if (lo == hi) {
        const double d = lo == 0.0 ? 1.0 : std::fabs(lo) * 0.1;
        lo -= d;
        hi += d;
    }
    const double step = niceStep(hi - lo);
    a.min = std::floor(lo / step) * step;
    a.max = std::ceil(hi / step) * step;
    a.ticks.clear();
    for (double t = a.min; t <= a.max + step * 1e-9; t += step)
        a.ticks.push_back(std::fabs(t) < step * 1e-9 ? 0.0 : t);
}

void fixAxis(ChartAxis& a, double lo, double hi) {
    a.min = std::min(lo, hi);
    a.max = std::max(lo, hi);
    a.ticks.clear();
    for (int i = 0; i <= 4; ++i) a.ticks.push_back(a.min + (a.max - a.min) * i / 4.0);
}

}  // namespace

double ChartAxis::map(double v, double from, double to) const {
    const double f = max > min ? (v - min) / (max - min) : 0.5;
    return inverted ? to + (from - to) * f : from + (to - from) * f;
}

ChartPicture ChartPicture::of(const TGridTableChart& t) {
    ChartPicture pic;
    const int xc = t.graphic.xColumn, yc = t.graphic.yColumn;
    pic.x.title = firstHeader(t, xc);
    pic.y.title = firstHeader(t, yc);
    pic.x.inverted = t.InvertedXAxis;
    pic.y.inverted = t.InvertedYAxis;
    if (numeric(t, xc) && numeric(t, yc)) {
        ChartSeries main{firstHeader(t, yc), {}, QColor(Qt::red), 2.0, false};
        for (int r = 0; r < t.rowCount(); ++r)
            main.points.emplace_back(value(t, xc, r), value(t, yc, r));
        pic.series.push_back(main);
        const int third = 2;
        if (t.columnCount() > third && third != xc && third != yc && numeric(t, third)) {
            ChartSeries second{firstHeader(t, third), {}, QColor(Qt::green), 2.0, true};
            for (int r = 0; r < t.rowCount(); ++r)
                second.points.emplace_back(value(t, xc, r), value(t, third, r));
            pic.series.push_back(second);
            pic.legend = true;
        }
    }
    double xlo = INFINITY, xhi = -INFINITY, ylo = INFINITY, yhi = -INFINITY;
    for (const auto& s : pic.series)
        for (const QPointF& p : s.points) {
            xlo = std::min(xlo, p.x()), xhi = std::max(xhi, p.x());
            ylo = std::min(ylo, p.y()), yhi = std::max(yhi, p.y());
        }
    fitAxis(pic.x, xlo, xhi);
    // Equal Y values over several rows: the curve would be a line on the axis' edge.
    bool equal = !pic.series.empty() && pic.series.front().points.size() > 1;
    if (equal) {
        auto& pts = pic.series.front().points;
        for (const QPointF& p : pts) equal = equal && p.y() == pts.front().y();
        equal = equal && pts.front().y() != 0.0;
    }
    if (equal) {
        auto& pts = pic.series.front().points;
        const double v = pts.front().y();
        pts[1].setY(v * 1.001);
        fixAxis(pic.y, 0.9 * v, 1.1 * v);
    } else {
        fitAxis(pic.y, ylo, yhi);
    }
    pic.x.format = TGridTableChart::axisFormat(pic.x.min, pic.x.max);
    pic.y.format = TGridTableChart::axisFormat(pic.y.min, pic.y.max);
    return pic;
}

QRectF ChartPicture::plotArea(const QRectF& b) {
    return b.adjusted(70, 30, -16, -48);
}

QPointF ChartPicture::map(const QPointF& v, const QRectF& plot) const {
    return {x.map(v.x(), plot.left(), plot.right()), y.map(v.y(), plot.bottom(), plot.top())};
}

QString ChartPicture::formatValue(double v, const QString& format) {
    if (format.contains(QLatin1Char('E'))) {
        if (v == 0.0) return QStringLiteral("0.0E0");
        int e = static_cast<int>(std::floor(std::log10(std::fabs(v))));
        double m = v / std::pow(10.0, e);
        if (std::fabs(std::round(m * 1000.0) / 1000.0) >= 10.0) m /= 10.0, ++e;
        QString mant = QString::number(m, 'f', 3);
        while (mant.endsWith(QLatin1Char('0')) && !mant.endsWith(QLatin1String(".0"))) mant.chop(1);
        return mant + QLatin1Char('E') + QString::number(e);
    }
    QLocale en(QLocale::English);
    QString s = en.toString(v, 'f', 3);
    while (s.contains(QLatin1Char('.')) && s.endsWith(QLatin1Char('0'))) s.chop(1);
    if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    if (s == QLatin1String("-0")) s = QStringLiteral("0");
    return s;
}

}  // namespace vornel
