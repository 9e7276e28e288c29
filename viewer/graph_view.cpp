#include "viewer/graph_view.h"

#include <algorithm>

#include "editor/number_text.h"
#include "viewer/graph_envelope.h"
#include "viewer/graph_palette.h"

namespace vornel {

namespace {

// [lo, hi] made at least `min_span` wide around its centre and moved back inside `full`.
AxisRange fit_inside(double lo, double hi, double min_span, const AxisRange& full) {
    if (hi - lo < min_span) {
        const double c = (lo + hi) / 2.0;
        lo = c - min_span / 2.0, hi = c + min_span / 2.0;
    }
    const double span = std::min(hi - lo, full.span());
    if (lo < full.min) lo = full.min, hi = lo + span;
    if (hi > full.max) hi = full.max, lo = hi - span;
    AxisRange a = full;
    a.min = lo, a.max = hi;
    return a;
}

}  // namespace

bool GraphView::computeRanges() {
    const TLineList* lists[3] = {&graph_->Lines, &graph_->Lines2, &graph_->Lines3};
    bool ok = true;
    for (int p = 0; p < 3; ++p) {
        full_[static_cast<size_t>(p)] = panel_range(*lists[p]);
        if (p < panelCount()) ok = ok && full_[static_cast<size_t>(p)].valid();
    }
    current_ = full_;
    return ok;
}

bool GraphView::open() {
    const bool ok = computeRanges();
    graph_->activateForOpening();
    return ok;
}

PanelMapping GraphView::mapping(const GraphLayout& l, int panel) const {
    const auto i = static_cast<size_t>(panel);
    return PanelMapping(i < l.panels.size() ? l.panels[i] : l.plot, current_[i], graph_->XOnTop);
}

bool GraphView::zoomToRectangle(const GraphLayout& l, QPoint a, QPoint b) {
    if (panelCount() != 1 || l.panels.empty()) return false;
    a = l.panels[0].clamp(a), b = l.panels[0].clamp(b);
    if (a.x() == b.x() || a.y() == b.y()) return false;
    const PanelMapping m = mapping(l);
    const QPointF da = m.toData(a), db = m.toData(b);
    const PanelRange& f = full_[0];
    PanelRange r;
    r.x = fit_inside(std::min(da.x(), db.x()), std::max(da.x(), db.x()), f.x.span() / 20, f.x);
    r.y = fit_inside(std::min(da.y(), db.y()), std::max(da.y(), db.y()), f.y.span() / 20, f.y);
    current_[0] = r;
    return true;
}

bool GraphView::zoomOutAt(const GraphLayout& l, QPoint p) {
    if (panelCount() != 1 || l.panels.empty() || !l.panels[0].contains(p)) return false;
    const QPointF d = mapping(l).toData(p);
    const PanelRange& f = full_[0];
    PanelRange& c = current_[0];
    const double hx = std::min(c.x.span(), f.x.span() / 2),
                 hy = std::min(c.y.span(), f.y.span() / 2);
    c.x = fit_inside(d.x() - hx, d.x() + hx, 0.0, f.x);
    c.y = fit_inside(d.y() - hy, d.y() + hy, 0.0, f.y);
    return true;
}

std::vector<LegendItem> GraphView::legendItems() const {
    std::vector<LegendItem> items;
    for (int i : graph_->activeCurves()) {
        QString text = graph_->legendText(i);
        if (graph_->curve(i).Shown) text += QStringLiteral(" *");
        const int position = static_cast<int>(items.size());
        items.push_back({i, text, graph_colour(position)});
    }
    if (drawn_envelope(*graph_))
        for (const char* name : {envelope_text::kMax, envelope_text::kMin})
            items.push_back({kEnvelopeLegendItem, QString::fromLatin1(name) + QStringLiteral(" *"),
                             envelope_colour()});
    return items;
}

QSize GraphView::legendBoxSize(const QFontMetrics& fm, int item_height, int px) const {
    int widest = 0;
    const std::vector<LegendItem> items = legendItems();
    for (const LegendItem& item : items) {
        const QString text = item.curve == kEnvelopeLegendItem
                                 ? item.text
                                 : graph_->legendText(item.curve) + QStringLiteral(" *");
        widest = std::max(widest, fm.horizontalAdvance(text));
    }
    return {widest + px / 4, static_cast<int>(items.size()) * item_height + 3};
}

QString GraphView::mouseCaption(const GraphLayout& l, QPoint p) const {
    double x = 0.0, y = 0.0;
    if (panelCount() == 1 && !l.panels.empty()) {
        const QPointF d = mapping(l).toData(l.panels[0].clamp(p));
        x = d.x(), y = d.y();
    } else {
        for (int i = 0; i < static_cast<int>(l.panels.size()); ++i)
            if (l.panels[static_cast<size_t>(i)].contains(p)) {
                const QPointF d = mapping(l, i).toData(p);
                x = d.x(), y = d.y();
            }
    }
    return graph_->Caption + QStringLiteral(" X: ") + format_general(x, 5) +
           QStringLiteral(" Y: ") + format_general(y, 5);
}

}  // namespace vornel
