#include "viewer/profile_geometry.h"

#include <algorithm>
#include <cmath>

#include "editor/program_data.h"

namespace vornel {

ProfileMapping::ProfileMapping(const WorldWindow& display, QSizeF device, ProfileMedium medium)
    : d_(display), device_(device), medium_(medium) {}

double ProfileMapping::top() const {
    return medium_ == ProfileMedium::Page ? 0.1 * device_.height() : 0.0;
}

double ProfileMapping::height() const {
    return medium_ == ProfileMedium::Page ? 0.8 * device_.height() : device_.height();
}

double ProfileMapping::column(double x) const {
    if (d_.degenerate()) return 0.0;
    return std::round(device_.width() * (x - d_.xmin) / (d_.xmax - d_.xmin));
}

double ProfileMapping::row(double y) const {
    if (d_.degenerate()) return 0.0;
    return std::round(top() + height() * (y - d_.ymin) / (d_.ymax - d_.ymin));
}

double ProfileMapping::across(double fraction) const {
    return std::round(fraction * device_.width());
}

QPointF ProfileMapping::toWorld(QPointF pixel) const {
    if (d_.degenerate() || device_.isEmpty()) return {};
    const double x = d_.xmin + pixel.x() / device_.width() * (d_.xmax - d_.xmin);
    const double y = d_.ymin + (pixel.y() - top()) / height() * (d_.ymax - d_.ymin);
    return {x, y};
}

// The wall is drawn as a bar whose width follows the free height (a fortieth of it on each
// side of the centre line) rather than the section's real width: at the scale of the whole
// wall a true-width sheet pile would be a hairline.
void ProfileGeometry::rebuild(const TProgramData& data) {
    length_ = data.Increments * data.IncrementLength;
    t0_ = 0.1 * length_;
    if (data.tables().PileSect.rowCount() > 0) {
        outlines_.clear();
        const double a = data.FreeHeight / 40.0;
        outlines_.push_back(
            QPolygonF({{-a, t0_}, {a, t0_}, {a, t0_ + length_}, {-a, t0_ + length_}}));
    }
    WorldWindow w{0.0, 0.0, 0.0, 0.0};
    const auto hold = [&w](QPointF p) {
        w.xmin = std::min(w.xmin, p.x());
        w.xmax = std::max(w.xmax, p.x());
        w.ymin = std::min(w.ymin, p.y());
        w.ymax = std::max(w.ymax, p.y());
    };
    for (const QPolygonF& outline : outlines_) {
        for (const QPointF& p : outline) hold(p);
    }
    // The piles seen from the top lie beside the wall; the window holds them whole. Without a
    // wall there is nothing to draw, circles included.
    circles_.clear();
    if (!w.degenerate() && data.ActiveWidth > 0.0 && data.PYWidth > 0.0) {
        const QPointF r(data.PYWidth, data.PYWidth);
        for (int i = 0; i < 5; ++i) {
            const QPointF c(kPileRowX, kPileRowY + 2.0 * data.ActiveWidth * i);
            circles_.push_back(QRectF(c - r, c + r));
            hold(c - r);
            hold(c + r);
        }
    }
    // Every line of the drawing is placed by fractions of the width about the wall's centre
    // line, which therefore stays mid-width.
    w.xmax = std::max(-w.xmin, w.xmax);
    w.xmin = -w.xmax;
    world_ = {w.xmin * 1.05, w.xmax * 1.05, w.ymin * 1.05, w.ymax * 1.05};
    display_ = world_;
    if (!client_.isEmpty()) resize(client_);
}

void ProfileGeometry::resize(QSizeF client) {
    client_ = client;
    display_ = world_;
    if (degenerate() || client.isEmpty()) return;
    const double r = (client.width() / client.height()) /
                     ((world_.xmax - world_.xmin) / (world_.ymax - world_.ymin));
    if (r >= 1.0) {
        display_.xmin = world_.xmin * r;
        display_.xmax = world_.xmax * r;
    } else {
        display_.ymin = world_.ymin / r;
        display_.ymax = world_.ymax / r;
    }
}

ProfileMapping ProfileGeometry::mapping(QSizeF device, ProfileMedium medium) const {
    return ProfileMapping(display_, device, medium);
}

std::optional<double> ProfileGeometry::depthAt(QPointF pixel) const {
    if (degenerate() || client_.isEmpty()) return std::nullopt;
    return screen().toWorld(pixel).y() - t0_;
}

QString depth_caption(double depth) {
    QString number;
    if (std::abs(depth) >= 999999.95)
        number = QString::number(depth, 'E', 5);
    else if (std::abs(depth) < 0.05)
        number = QStringLiteral("0.0");  // no "-0.0" just above the wall top
    else
        number = QString::number(depth, 'f', 1);
    return QString::fromLatin1(profile_text::kDepth) + number;
}

}  // namespace vornel
