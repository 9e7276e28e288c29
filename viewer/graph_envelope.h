// The envelope of a result graph: at each depth the largest and the smallest value over the
// result sets (construction stages, or the short- and long-term cases) that the graph shows.
//
// The result sets of one analysis describe the same wall, so point j of every curve lies at
// the depth of station j and the envelope pairs the curves point by point; X is the value, Y
// the depth. Curves that do not share their depths point by point (blocks of a plot file with
// other stations, or a shorter block padded with its last point) give no envelope: pairing
// values of different depths, or interpolating between stations of different walls, would
// draw a maximum that no result set has.
//
// A graph offers the envelope when it is one of the deflection, moment and shear graphs
// (`OffersEnvelope`) and holds at least two result curves; it is drawn, printed, saved and
// exported while `ShowEnvelope` is on, over the active and shown curves, as two lines of one
// style named "Envelope max" and "Envelope min".
#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

#include "viewer/graph_plot.h"

namespace vornel {

namespace envelope_text {
inline constexpr char kMax[] = "Envelope max";
inline constexpr char kMin[] = "Envelope min";
inline constexpr char kNothing[] = "There is only one result set: there is nothing to envelope.";
inline constexpr char kNoShared[] =
    "The result sets do not share their stations: no envelope can be drawn.";
inline constexpr char kNoneShown[] = "No result curve is shown: there is no envelope to draw.";
}  // namespace envelope_text

struct CurveEnvelope {
    TLine max, min;  // named "Envelope max" and "Envelope min"
    QString why;     // empty when built, else the reason there is none
    bool built() const { return why.isEmpty(); }
};

// The point-by-point maximum and minimum of X over `curves` (at least one, all with the same
// depths at the same points).
CurveEnvelope curve_envelope(const std::vector<const TLine*>& curves);

// The graph offers an envelope: it allows one and holds at least two result curves.
bool envelope_offered(const TGraphPlot& g);
// Why the graph's result sets cannot be enveloped at all (not offered, or no shared
// stations); empty when they can.
QString envelope_refusal(const TGraphPlot& g);
// The envelope drawn in the panel of `family` (Main, Second or Third): over the curves of that
// family whose main curve is active and shown; none unless `ShowEnvelope` is on and it can be
// built.
std::optional<CurveEnvelope> drawn_envelope(const TGraphPlot& g,
                                            GraphFamily family = GraphFamily::Main);

// The one style of both envelope lines: dashed, twice the curve width, in a colour that no
// result curve of the palette's first entries takes.
QColor envelope_colour();

}  // namespace vornel
