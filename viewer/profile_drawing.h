// ProfileDrawing: everything the soil-wall profile shows, in device pixels, in drawing order.
//
// Built from the project and its tables for one device (the window's client area or a printed
// page): the ground lines (backfill side left of the wall at the wall top, excavation side
// right of it at the excavation level), the hatch or the sloping backfill surface, the bottom
// of every soil layer with its name and main parameters, the wall, the marks of restraints
// (arrowheads touching the wall from the excavation side), of external p-y curves (broken
// arrows into the backfill) and of lateral springs above the excavation level, and the row of
// pile circles seen from the top with their labels. The painter only replays this list, so
// screen, printer and pictures show the same drawing and tests read it without a display.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

#include "viewer/profile_geometry.h"

namespace vornel {

class TProgramData;
class TGridTable;

enum class ProfileItemKind {
    BackfillGround,    // ground line on the backfill side at the wall top
    ExcavationGround,  // ground line on the excavation side at the excavation level
    Hatch,             // one stroke below a level backfill
    BackfillSlope,     // the sloping backfill surface from the wall top
    LayerBottom,       // bottom of a soil layer
    LayerName,         // soil name at the layer top
    LayerParameters,   // its parameters one text line lower
    Wall,              // wall outline, filled
    Restraint,         // restraint on deflection or slope
    PYNode,            // node with an external p-y curve
    Spring,            // lateral spring above the excavation level
    PileCircle,        // a pile seen from the top
    TopViewLabel,
    SideViewLabel
};

struct ProfileItem {
    explicit ProfileItem(ProfileItemKind k) : kind(k) {}
    ProfileItemKind kind;
    int penWidth = 1;
    std::vector<QLineF> lines;  // line kinds; a mark is a shaft followed by its barbs
    QPolygonF polygon;          // Wall
    QRectF ellipse;             // PileCircle
    QPointF textTopLeft;        // labels: top-left corner of the text
    QString text;
};

struct ProfileDevice {
    QSizeF size;
    ProfileMedium medium = ProfileMedium::Screen;
    double textHeight = 13.0;  // height of a text line in device pixels
};

struct ProfileDrawing {
    QSizeF size;
    bool fillBackground = true;  // the screen fills the client area first; the page does not
    std::vector<ProfileItem> items;

    std::vector<const ProfileItem*> of(ProfileItemKind kind) const;
    int count(ProfileItemKind kind) const { return static_cast<int>(of(kind).size()); }
};

// Soil layers are drawn when the earth pressure or the p-y curves are generated from them.
bool profile_shows_soil_layers(const TProgramData& data);
// The name of a soil type of the layer table (1..7) and the parameter line of a layer,
// from the bottom row of its parameter table; empty for an unknown type.
QString soil_type_name(int type);
QString soil_parameter_line(int type, const TGridTable* parameters);

// The drawing for a device; nothing (no items, no fill) when the world window is degenerate.
// `earth_pressure_points` is the earth-pressure point count of the loaded plot file: more than
// one point also shows the external p-y nodes.
ProfileDrawing build_profile_drawing(const ProfileGeometry& geometry, const TProgramData& data,
                                     const ProfileDevice& device, int earth_pressure_points);

namespace profile_text {
inline constexpr char kTopView[] = "top view";
inline constexpr char kSideView[] = "side view";
}  // namespace profile_text

}  // namespace vornel
