// ProfileGeometry: the world of the soil-wall profile drawing and its mapping to a device.
//
// World coordinates are in the project's base length unit (in when English, m otherwise):
// x runs across the wall with 0 on its centre line, y runs downward and is the depth below the
// wall top plus a top margin t0 of a tenth of the wall length, so that the ground line at the
// wall top does not sit on the window's edge.
//
// The world window is the bounding box of the wall outline, the pile circles seen from the top
// and the origin, enlarged by 5 %, so that every shape drawn lies inside the view;
// the display window widens it to the proportions of the client area so that both axes have
// the same scale. Since the world window always holds the origin and is widened about it, the
// wall's centre line lies mid-width and the top of the display window stays at y = 0.
//
// A degenerate world window (no width or no height, as for a wall with zero free height or
// zero length) maps nothing: the view draws nothing and reads out no depth.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

namespace vornel {

class TProgramData;

struct WorldWindow {
    double xmin = -10.0, xmax = 10.0, ymin = 0.0, ymax = 10.0;
    bool degenerate() const { return xmax == xmin || ymax == ymin; }
    bool operator==(const WorldWindow&) const = default;
};

// Where the drawing goes: the screen maps the display window onto the whole client area, the
// printed page maps depths onto 10 % .. 90 % of the page height and keeps a tenth of the page
// width free on each side for the lines.
enum class ProfileMedium { Screen, Page };

class ProfileMapping {
  public:
    ProfileMapping(const WorldWindow& display, QSizeF device, ProfileMedium medium);

    ProfileMedium medium() const { return medium_; }
    QSizeF device() const { return device_; }
    // Device column and row of a world point, rounded to whole pixels.
    double column(double x) const;
    double row(double y) const;
    QPointF toDevice(QPointF world) const { return {column(world.x()), row(world.y())}; }
    // The world point under a device pixel (the inverse of the unrounded mapping).
    QPointF toWorld(QPointF pixel) const;
    // Horizontal positions of the lines: a fraction of the width, the left and right ends.
    double across(double fraction) const;
    double left() const { return medium_ == ProfileMedium::Page ? across(0.1) : 0.0; }
    double right() const { return medium_ == ProfileMedium::Page ? across(0.9) : device_.width(); }

  private:
    double top() const;
    double height() const;

    WorldWindow d_;
    QSizeF device_;
    ProfileMedium medium_;
};

class ProfileGeometry {
  public:
    // Rebuild from the project: the wall outline, the top margin and the world window.
    void rebuild(const TProgramData& data);
    // The display window for a client area of this size (nothing when degenerate or empty).
    void resize(QSizeF client);

    bool degenerate() const { return world_.degenerate(); }
    const WorldWindow& world() const { return world_; }
    const WorldWindow& display() const { return display_; }
    QSizeF client() const { return client_; }
    const std::vector<QPolygonF>& outlines() const { return outlines_; }
    // The five piles of the row seen from the top (world rectangles of the circles), spaced at
    // twice the active width; none unless both the active and the p-y width are positive.
    const std::vector<QRectF>& pileCircles() const { return circles_; }
    static constexpr double kPileRowX = 400.0, kPileRowY = 70.0;
    double topMargin() const { return t0_; }
    double wallLength() const { return length_; }

    // The mapping of the display window onto a device; the screen's uses the client area.
    ProfileMapping mapping(QSizeF device, ProfileMedium medium) const;
    ProfileMapping screen() const { return mapping(client_, ProfileMedium::Screen); }
    // Depth below the wall top under a client-area pixel; nothing when degenerate.
    std::optional<double> depthAt(QPointF pixel) const;

  private:
    std::vector<QPolygonF> outlines_;
    std::vector<QRectF> circles_;
    WorldWindow world_;
    WorldWindow display_;
    QSizeF client_;
    double t0_ = 0.0;
    double length_ = 0.0;
};

// The window caption for the depth under the pointer: "  Depth: " and the depth with one
// decimal (exponent form beyond six integer digits).
QString depth_caption(double depth);

namespace profile_text {
inline constexpr char kDepth[] = "  Depth: ";
}

}  // namespace vornel
