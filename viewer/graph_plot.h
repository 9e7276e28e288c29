// TGraphPlot: one result graph, its curves in data coordinates, titles and display settings.
//
// A graph holds four curve lists: the main curves, the layer lines (soil layers, then the two
// wall lines from index `WallLineCount`), and a second and third curve family drawn in the
// second and third panel when `ShowThree` is on (the families follow the main curves' flags).
// Titles are a caption and a unit code per axis; the unit code becomes a unit text for the
// graph's `Units` system. The graph knows nothing of windows: the graph window, printing,
// pictures and the headless plotter all draw it through GraphPainter.
#pragma once

#include <QString>
#include <functional>

#include "viewer/graph_line.h"

namespace vornel {

enum class GraphFamily { Main, Layers, Second, Third };

class TGraphPlot {
  public:
    TGraphPlot() = default;

    // ---- Published properties ----
    QString CurveName = QStringLiteral("Curve #");
    QString Caption;
    bool ShowLegend = true;
    bool ShowLayers = false;
    bool ShowWall = false;
    bool ShowThree = false;
    bool ShowFontWidth = true;
    int WallLineCount = 0;
    int Markers = 1;
    int SizeFont = 10;
    int LegendFont = 11;
    int WidthLine = 1;
    QString XCaption, XUnits, YCaption, YUnits;
    bool XOnTop = true;
    QString XCaption2, XUnits2, YCaption2, YUnits2;
    QString XCaption3, XUnits3, YCaption3, YUnits3;
    // May change the legend text of curve `index` of the main list.
    std::function<void(int index, QString& text)> onGetCaption;

    int Units() const { return units_; }
    void setUnits(int units) { units_ = units < 1 ? 1 : (units > 3 ? 3 : units); }

    // ---- Further state ----
    QString Title;           // graph title, empty by default
    bool TitleAtTop = true;  // its position
    double LayerStartDepth = 0.0;
    bool WindowExists = false;
    bool LimitActiveCurves = true;  // at most 20 curves active when the window opens
    // The graph can show the envelope of its result sets (deflection, moment, shear), and
    // shows it (see graph_envelope.h).
    bool OffersEnvelope = false;
    bool ShowEnvelope = false;
    static constexpr int kMaxActiveOnOpen = 20;

    // ---- Curves ----
    TLineList Lines, LayerLines, Lines2, Lines3;
    TLineList& list(GraphFamily f);
    const TLineList& list(GraphFamily f) const;
    int curveCount() const { return static_cast<int>(Lines.size()); }
    // New curves get the curve count of their list plus one as value; a smaller count drops
    // the curves beyond it.
    void setCurveCount(GraphFamily f, int n);
    void setCurveCount(int n) { setCurveCount(GraphFamily::Main, n); }
    TLine& curve(int i) { return Lines[static_cast<size_t>(i)]; }
    const TLine& curve(int i) const { return Lines[static_cast<size_t>(i)]; }

    // At least one curve, and the first one has more than one point.
    bool holdsData() const;
    bool hasLayerLines() const { return !LayerLines.empty(); }

    // Name when not empty, else `CurveName` followed by the value in shortest decimal form;
    // then `onGetCaption` when assigned.
    QString legendText(int index) const;
    // Caption, " (", unit text, ")" when the unit code is not empty; panel 1..3.
    QString xTitle(int panel = 1) const;
    QString yTitle(int panel = 1) const;

    // Opening a window: every curve active, curves 21 onwards inactive when limited.
    void activateForOpening();
    int activeCount() const;
    // Indices of the active main curves, in curve order.
    std::vector<int> activeCurves() const;

  private:
    int units_ = 1;
};

// A unit code turned into a unit text for a unit system: forces first ("F2", else "F1", else
// "F": every occurrence), then lengths ("L2", else "L1", else "L"); system 3 leaves the code.
QString graph_unit_text(const QString& code, int units);
QString graph_axis_title(const QString& caption, const QString& unit_code, int units);
// A curve value as the legend shows it: the shortest decimal text that reads back.
QString graph_value_text(double value);

}  // namespace vornel
