#include "viewer/graph_plot.h"

#include "editor/number_text.h"

namespace vornel {

TLineList& TGraphPlot::list(GraphFamily f) {
    switch (f) {
        case GraphFamily::Layers:
            return LayerLines;
        case GraphFamily::Second:
            return Lines2;
        case GraphFamily::Third:
            return Lines3;
        case GraphFamily::Main:
            break;
    }
    return Lines;
}

const TLineList& TGraphPlot::list(GraphFamily f) const {
    return const_cast<TGraphPlot*>(this)->list(f);
}

void TGraphPlot::setCurveCount(GraphFamily f, int n) {
    TLineList& l = list(f);
    if (n < 0) n = 0;
    if (static_cast<size_t>(n) < l.size()) {
        l.resize(static_cast<size_t>(n));
        return;
    }
    while (l.size() < static_cast<size_t>(n)) l.emplace_back(static_cast<double>(l.size() + 1));
}

bool TGraphPlot::holdsData() const {
    return !Lines.empty() && Lines.front().pointCount() > 1;
}

QString TGraphPlot::legendText(int index) const {
    const TLine& c = curve(index);
    QString text = c.Name.isEmpty() ? CurveName + graph_value_text(c.Value) : c.Name;
    if (onGetCaption) onGetCaption(index, text);
    return text;
}

QString TGraphPlot::xTitle(int panel) const {
    if (panel == 2) return graph_axis_title(XCaption2, XUnits2, units_);
    if (panel == 3) return graph_axis_title(XCaption3, XUnits3, units_);
    return graph_axis_title(XCaption, XUnits, units_);
}

QString TGraphPlot::yTitle(int panel) const {
    if (panel == 2) return graph_axis_title(YCaption2, YUnits2, units_);
    if (panel == 3) return graph_axis_title(YCaption3, YUnits3, units_);
    return graph_axis_title(YCaption, YUnits, units_);
}

void TGraphPlot::activateForOpening() {
    for (size_t i = 0; i < Lines.size(); ++i)
        Lines[i].Active = !LimitActiveCurves || i < static_cast<size_t>(kMaxActiveOnOpen);
}

int TGraphPlot::activeCount() const {
    return static_cast<int>(activeCurves().size());
}

std::vector<int> TGraphPlot::activeCurves() const {
    std::vector<int> out;
    for (size_t i = 0; i < Lines.size(); ++i)
        if (Lines[i].Active) out.push_back(static_cast<int>(i));
    return out;
}

namespace {

// Replaces the first kind of `kinds` that occurs in `text`, every occurrence of it.
void substitute_first(QString& text, const char* const kinds[3], const char* const labels[3]) {
    for (int i = 0; i < 3; ++i) {
        if (text.contains(QLatin1String(kinds[i]))) {
            text.replace(QLatin1String(kinds[i]), QLatin1String(labels[i]));
            return;
        }
    }
}

}  // namespace

QString graph_unit_text(const QString& code, int units) {
    if (units != 1 && units != 2) return code;
    static const char* const forces[3] = {"F2", "F1", "F"};
    static const char* const lengths[3] = {"L2", "L1", "L"};
    static const char* const english_f[3] = {"tons", "kips", "lbs"};
    static const char* const si_f[3] = {"kN", "kN", "kN"};
    static const char* const english_l[3] = {"ft", "in", "in"};
    static const char* const si_l[3] = {"m", "mm", "m"};
    QString text = code;
    substitute_first(text, forces, units == 1 ? english_f : si_f);
    substitute_first(text, lengths, units == 1 ? english_l : si_l);
    return text;
}

QString graph_axis_title(const QString& caption, const QString& unit_code, int units) {
    if (unit_code.isEmpty()) return caption;
    return caption + QStringLiteral(" (") + graph_unit_text(unit_code, units) + QLatin1Char(')');
}

QString graph_value_text(double value) {
    return format_general(value, 17);
}

}  // namespace vornel
