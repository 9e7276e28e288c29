#include "viewer/graph_envelope.h"

#include <algorithm>
#include <cmath>

namespace vornel {

namespace {

// Depths of one station read from the same kind of record agree to the last digit; the
// tolerance only absorbs conversions of equal values.
bool same_depth(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)});
}

bool share_stations(const std::vector<const TLine*>& curves) {
    const TLine& first = *curves.front();
    for (const TLine* c : curves) {
        if (c->pointCount() != first.pointCount()) return false;
        for (int j = 0; j < c->pointCount(); ++j)
            if (!same_depth(c->point(j).Y, first.point(j).Y)) return false;
    }
    return true;
}

}  // namespace

CurveEnvelope curve_envelope(const std::vector<const TLine*>& curves) {
    CurveEnvelope e;
    e.max.Name = QString::fromLatin1(envelope_text::kMax);
    e.min.Name = QString::fromLatin1(envelope_text::kMin);
    if (curves.empty()) {
        e.why = QString::fromLatin1(envelope_text::kNoneShown);
        return e;
    }
    if (!share_stations(curves)) {
        e.why = QString::fromLatin1(envelope_text::kNoShared);
        return e;
    }
    e.max.Points = e.min.Points = curves.front()->Points;
    for (const TLine* c : curves)
        for (int j = 0; j < c->pointCount(); ++j) {
            e.max.point(j).X = std::max(e.max.point(j).X, c->point(j).X);
            e.min.point(j).X = std::min(e.min.point(j).X, c->point(j).X);
        }
    return e;
}

bool envelope_offered(const TGraphPlot& g) {
    return g.OffersEnvelope && g.curveCount() >= 2 && g.holdsData();
}

QString envelope_refusal(const TGraphPlot& g) {
    if (!envelope_offered(g)) return QString::fromLatin1(envelope_text::kNothing);
    for (GraphFamily f : {GraphFamily::Main, GraphFamily::Second, GraphFamily::Third}) {
        const TLineList& list = g.list(f);
        if (f != GraphFamily::Main && (!g.ShowThree || list.empty())) continue;
        std::vector<const TLine*> all;
        for (const TLine& c : list) all.push_back(&c);
        if (!share_stations(all)) return QString::fromLatin1(envelope_text::kNoShared);
    }
    return {};
}

std::optional<CurveEnvelope> drawn_envelope(const TGraphPlot& g, GraphFamily family) {
    if (!g.ShowEnvelope || !envelope_offered(g) || family == GraphFamily::Layers) return {};
    const TLineList& list = g.list(family);
    std::vector<const TLine*> shown;
    for (size_t i = 0; i < list.size() && i < g.Lines.size(); ++i)
        if (g.Lines[i].Active && g.Lines[i].Shown) shown.push_back(&list[i]);
    CurveEnvelope e = curve_envelope(shown);
    if (!e.built()) return {};
    return e;
}

QColor envelope_colour() {
    return QColor(0xFF, 0x80, 0x00);
}

}  // namespace vornel
