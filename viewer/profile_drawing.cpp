#include "viewer/profile_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "editor/number_text.h"
#include "editor/program_data.h"
#include "editor/project_tables.h"

namespace vornel {

std::vector<const ProfileItem*> ProfileDrawing::of(ProfileItemKind kind) const {
    std::vector<const ProfileItem*> found;
    for (const ProfileItem& item : items)
        if (item.kind == kind) found.push_back(&item);
    return found;
}

// The codes the data file carries for the current switches (the codes stored in the project
// are only brought up to date when a file is written). Both generated distributions of earth
// pressure, triangular (2) and trapezoidal (3), come from the soil layers, so both show them.
bool profile_shows_soil_layers(const TProgramData& d) {
    int earth = 0;
    if (d.UserPressure())
        earth = 1;
    else if (d.GeneratedPressure || d.GeneratePY != 0)
        earth = d.EarthPressureOption;
    const int py = d.GeneratePY != 0 ? 2 : d.UseExternalPY ? 1 : 0;
    return earth >= 2 || py == 2;
}

QString soil_type_name(int type) {
    switch (type) {
        case kSoftClay:
            return QStringLiteral("Soft clay");
        case kStiffClayFreeWater:
            return QStringLiteral("Stiff clay w/free water");
        case kStiffClayNoFreeWater:
            return QStringLiteral("Stiff clay w/o free water");
        case kSand:
            return QStringLiteral("Sand");
        case kSilt:
            return QStringLiteral("Silt");
        case kStrongRock:
            return QStringLiteral("Rock");
        case kWeakRock:
            return QStringLiteral("Weak Rock");
        default:
            return {};
    }
}

// Six significant digits: the tables hold values converted from the data file's units
// (lbs/in^3 to lbs/ft^3 and so on), whose last digits are only conversion noise.
constexpr int kParameterDigits = 6;

// Parameter tables: unit weight first; then cohesion (clay), friction angle (sand), friction
// angle and cohesion (silt) or uniaxial compressive strength (rock).
QString soil_parameter_line(int type, const TGridTable* parameters) {
    if (!parameters || parameters->rowCount() == 0) return {};
    const int bottom = std::min(1, parameters->rowCount() - 1);
    auto value = [&](int c) {
        if (c >= parameters->columnCount()) return QString();
        return format_general(parameters->real(c, bottom), kParameterDigits);
    };
    const QString gamma = QStringLiteral("; gamma= ") + value(0);
    switch (type) {
        case kSoftClay:
        case kStiffClayFreeWater:
        case kStiffClayNoFreeWater:
            return QStringLiteral("c= ") + value(1) + gamma;
        case kSand:
            return QStringLiteral("\u00f8= ") + value(1) + gamma;
        case kSilt:
            return QStringLiteral("\u00f8= ") + value(1) + QStringLiteral("; c= ") + value(2) +
                   gamma;
        case kStrongRock:
        case kWeakRock:
            return QStringLiteral("compressive strength= ") + value(1) + gamma;
        default:
            return {};
    }
}

namespace {

struct Pens {
    int line, mark, spring, circle;
};

class Builder {
  public:
    Builder(const ProfileGeometry& g, const TProgramData& d, const ProfileDevice& dev)
        : g_(g), d_(d), dev_(dev), m_(g.mapping(dev.size, dev.medium)) {
        const bool page = dev.medium == ProfileMedium::Page;
        pens_ = page ? Pens{12, 15, 35, 12} : Pens{1, 2, 5, 2};
        out_.size = dev.size;
        out_.fillBackground = !page;
    }

    ProfileDrawing build(int earth_pressure_points) {
        if (profile_shows_soil_layers(d_)) soilLayers();
        wall();
        groundLines();
        if (d_.UseRestraints) restraints();
        if (d_.UseExternalPY || earth_pressure_points > 1) pyNodes();
        if (d_.UseSprings) springs();
        if (d_.ActiveWidth > 0 && d_.PYWidth > 0) pileCircles();
        return std::move(out_);
    }

  private:
    bool page() const { return dev_.medium == ProfileMedium::Page; }
    double x(double fraction) const { return m_.across(fraction); }
    double depthRow(double depth) const { return m_.row(depth + g_.topMargin()); }
    double nodeRow(int node) const { return depthRow(node * d_.IncrementLength); }
    // Layer depths are held in ft in English units; the drawing is in inches.
    double layerDepth(int r) const {
        const double f = d_.UnitSystem == 1 ? 12.0 : 1.0;
        return d_.tables().NewSoil.real(col::kSlDepth, r) * f;
    }

    void line(ProfileItemKind kind, int pen, std::vector<QLineF> lines) {
        ProfileItem item{kind};
        item.penWidth = pen;
        item.lines = std::move(lines);
        out_.items.push_back(std::move(item));
    }
    void text(ProfileItemKind kind, QPointF at, QString s) {
        ProfileItem item{kind};
        item.textTopLeft = at;
        item.text = std::move(s);
        out_.items.push_back(std::move(item));
    }

    void groundSurface();
    void soilLayers();
    void wall();
    void groundLines();
    void restraints();
    void pyNodes();
    void springs();
    void pileCircles();

    const ProfileGeometry& g_;
    const TProgramData& d_;
    const ProfileDevice& dev_;
    ProfileMapping m_;
    Pens pens_{};
    ProfileDrawing out_;
};

// The backfill ground at the wall top: hatched when level; when sloping, a line from the wall
// top on the centre line toward the backfill, rising at the backfill's slope on the drawing.
void Builder::groundSurface() {
    const double y0 = depthRow(0.0);
    line(ProfileItemKind::BackfillGround, pens_.line, {QLineF(m_.left(), y0, x(0.5), y0)});
    const double beta = d_.BackfillSlope;
    if (beta == 0.0) {
        for (int k = 1; k <= 5; ++k) {
            const QLineF stroke = page()
                                      ? QLineF(x(0.3) + 50 * k, y0, x(0.3) + 50 * k + 50, y0 + 70)
                                      : QLineF(100 + 20 * k, y0, 115 + 20 * k, y0 + 5);
            line(ProfileItemKind::Hatch, pens_.line, {stroke});
        }
        return;
    }
    const double end = page() ? x(0.2) : x(0.25);
    const double rise = (x(0.5) - end) * std::tan(beta * std::numbers::pi / 180.0);
    line(ProfileItemKind::BackfillSlope, pens_.line,
         {QLineF(x(0.5), y0, end, std::round(y0 - rise))});
}

void Builder::soilLayers() {
    const TGridTable& layers = d_.tables().NewSoil;
    double top = 0.0;
    for (int r = 0; r < layers.rowCount(); ++r) {
        if (r == 0) groundSurface();
        const double bottom = layerDepth(r);
        const double yb = depthRow(bottom);
        // A layer ending above the excavation level exists on the backfill side only.
        const double right = bottom >= d_.FreeHeight ? m_.right() : x(0.5);
        line(ProfileItemKind::LayerBottom, pens_.line, {QLineF(m_.left(), yb, right, yb)});
        const int type = layers.item(col::kSlType, r);
        const double yt = depthRow(top);
        text(ProfileItemKind::LayerName, {m_.left(), yt}, soil_type_name(type));
        text(ProfileItemKind::LayerParameters, {m_.left(), yt + dev_.textHeight},
             soil_parameter_line(type, layers.subTable(col::kSlParameters, r)));
        top = bottom;
    }
}

void Builder::wall() {
    for (const QPolygonF& outline : g_.outlines()) {
        ProfileItem item{ProfileItemKind::Wall};
        for (const QPointF& p : outline) item.polygon << m_.toDevice(p);
        out_.items.push_back(std::move(item));
    }
}

void Builder::groundLines() {
    const double y0 = depthRow(0.0);
    const double ye = depthRow(d_.FreeHeight);
    line(ProfileItemKind::BackfillGround, pens_.line, {QLineF(m_.left(), y0, x(0.5), y0)});
    line(ProfileItemKind::ExcavationGround, pens_.line, {QLineF(x(0.5), ye, m_.right(), ye)});
}

// An arrowhead touching the wall from the excavation side; the same for a prescribed
// deflection and a prescribed slope.
void Builder::restraints() {
    const TGridTable& t = d_.tables().SoilLayer;
    const double barb = x(0.01);
    for (int r = 0; r < t.rowCount(); ++r) {
        const double y = nodeRow(t.item(col::kRsNode, r));
        line(ProfileItemKind::Restraint, pens_.mark,
             {QLineF(x(0.5), y, x(0.52), y), QLineF(x(0.5), y, x(0.52), y - barb),
              QLineF(x(0.5), y, x(0.52), y + barb)});
    }
}

// A broken arrow from the wall into the backfill at each node with a user p-y curve.
void Builder::pyNodes() {
    const TGridTable& t = d_.tables().PYCurves2;
    const double barb = x(0.01);
    for (int r = 0; r < t.rowCount(); ++r) {
        const double y = nodeRow(t.item(col::kPyNode, r));
        line(ProfileItemKind::PYNode, pens_.mark,
             {QLineF(x(0.5), y, x(0.45), y), QLineF(x(0.43), y, x(0.38), y),
              QLineF(x(0.38), y, x(0.40), y - barb), QLineF(x(0.38), y, x(0.40), y + barb)});
    }
}

// Springs are marked where they act above the excavation level, on the excavation side.
void Builder::springs() {
    const TGridTable& t = d_.tables().SoilStrength;
    for (int r = 0; r < t.rowCount(); ++r) {
        const int node = t.item(col::kSpFrom, r);
        if (!(node * d_.IncrementLength < d_.FreeHeight)) continue;
        const double y = nodeRow(node);
        line(ProfileItemKind::Spring, pens_.spring, {QLineF(x(0.5), y, x(0.6), y)});
    }
}

// Five piles of the row seen from the top, spaced at twice the active width.
void Builder::pileCircles() {
    const double label_row = page() ? std::round(0.05 * dev_.size.height()) : 5.0;
    const std::vector<QRectF>& circles = g_.pileCircles();
    for (std::size_t i = 0; i < circles.size(); ++i) {
        ProfileItem item{ProfileItemKind::PileCircle};
        item.penWidth = pens_.circle;
        item.ellipse =
            QRectF(m_.toDevice(circles[i].topLeft()), m_.toDevice(circles[i].bottomRight()));
        out_.items.push_back(item);
        if (i == 0) {
            const QRectF& e = item.ellipse;
            // The label starts a tenth of the circle's width left of its centre, but never so
            // far right that it runs off the edge (its width taken at 0.6 text heights a letter).
            const QString label = QString::fromLatin1(profile_text::kTopView);
            const double room = dev_.size.width() - 0.6 * dev_.textHeight * label.size();
            text(ProfileItemKind::TopViewLabel,
                 {std::round(std::min(e.center().x() - 0.1 * e.width(), room)), label_row}, label);
            text(ProfileItemKind::SideViewLabel, {x(0.5), label_row},
                 QString::fromLatin1(profile_text::kSideView));
        }
    }
}

}  // namespace

ProfileDrawing build_profile_drawing(const ProfileGeometry& geometry, const TProgramData& data,
                                     const ProfileDevice& device, int earth_pressure_points) {
    if (geometry.degenerate() || device.size.isEmpty()) {
        ProfileDrawing nothing;
        nothing.size = device.size;
        nothing.fillBackground = false;
        return nothing;
    }
    return Builder(geometry, data, device).build(earth_pressure_points);
}

}  // namespace vornel
