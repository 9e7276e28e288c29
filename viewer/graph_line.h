// TLine: one curve of a graph, and TFloatPoint, one point of it in data coordinates.
//
// A curve carries a numeric value (its number in the legend when it has no name; a p-y
// curve's depth or station), an optional name, the flags that say whether it is listed in the
// legend and menu (`Active`) and whether it is drawn (`Shown`), and its points in order.
// Layer lines of a graph carry a single point: X the soil code, Y the layer's bottom depth.
#pragma once

#include <QString>
#include <vector>

namespace vornel {

struct TFloatPoint {
    double X = 0.0;
    double Y = 0.0;
    bool operator==(const TFloatPoint&) const = default;
};

class TLine {
  public:
    TLine() = default;
    explicit TLine(double value) : Value(value) {}

    double Value = 0.0;
    QString Name;
    bool Shown = true;
    bool Active = true;
    std::vector<TFloatPoint> Points;

    int pointCount() const { return static_cast<int>(Points.size()); }
    // New points are (0, 0); a smaller count drops the points beyond it.
    void setPointCount(int n) { Points.resize(n < 0 ? 0 : static_cast<size_t>(n)); }
    TFloatPoint& point(int i) { return Points[static_cast<size_t>(i)]; }
    const TFloatPoint& point(int i) const { return Points[static_cast<size_t>(i)]; }
};

using TLineList = std::vector<TLine>;

}  // namespace vornel
