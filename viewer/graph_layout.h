// Where a graph goes on a device: the plot area, its panels and the soil-layer strip, for the
// screen window, a printed page and a picture; and the mapping between data and pixels.
//
// All sizes are device pixels. T is the text height at the graph's size factor (the base font
// height, 14 pixels on the screen, times SizeFont / 10); Px and Py are the device's pixels per
// inch. Boxes are given by their edges: a curve point at the range's end maps onto the edge.
#pragma once

#include <QFont>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <vector>

#include "viewer/graph_axes.h"
#include "viewer/graph_plot.h"

namespace vornel {

enum class PaintMode { Screen, Print, Picture };

struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(QPoint p) const {
        return p.x() >= left && p.x() <= right && p.y() >= top && p.y() <= bottom;
    }
    QPoint clamp(QPoint p) const;
    QRect rect() const { return QRect(QPoint(left, top), QPoint(right, bottom)); }
    bool operator==(const PixelBox&) const = default;
};

struct DeviceMetrics {
    int px = 96;        // pixels per inch across
    int py = 96;        // pixels per inch down
    int baseFont = 14;  // base text height in pixels at SizeFont 10
    int textHeight(const TGraphPlot& g) const { return baseFont * g.SizeFont / 10; }
};

// A text's place: centred on `centre`, `width` x `height` in the text's own direction; turned
// a quarter to the left (reading upwards) when `rotated`. `lines` holds the text as drawn,
// one entry per line, each line `height / lines.size()` high.
struct TextBox {
    QPoint centre;
    int width = 0, height = 0;
    bool rotated = false;
    QStringList lines;
    // The box on the device.
    QRect rect() const;
};

struct GraphLayout {
    PaintMode mode = PaintMode::Screen;
    DeviceMetrics device;
    int T = 14;
    QRect client;                  // the whole device area drawn on (white)
    QRect frame;                   // where titles and legend go: the client, on a page the
                                   // printable area inside the margins
    PixelBox plot;                 // the plot area (all panels)
    std::vector<PixelBox> panels;  // one, or three with ShowThree
    PixelBox strip;                // the soil-layer strip; empty when not shown
    bool tooSmall = false;         // below one inch: only the white background is drawn
    TextBox title;                 // the graph title; no lines when there is none
    std::vector<TextBox> xTitles;  // one per panel
    std::vector<TextBox> yTitles;  // one per panel

    // Device pixels as pixels of a 96-ppi screen at the same physical size, across or down.
    int screenPixels(int pixels, bool across) const;
};

// The titles' font: Times New Roman of `pixels` height, bold or normal.
QFont graph_font(int pixels, bool bold);

// The ticks of a panel's X (`across`) or Y axis, counted from the panel's size in inches as
// on a screen of 96 ppi, so that a printed panel gets the ticks of a window of its size.
// An X axis whose rule gives fewer than three labels takes finer 1-2-5 intervals as long as
// its labels, measured at the screen size in the labels' font, keep a text height apart (half
// of one where no interval gives three at a full one), never fewer labels than the rule's: a
// narrow panel gets an axis that can be read, and the page the ticks of the window.
AxisTicks panel_ticks(const GraphLayout& l, const PixelBox& box, const AxisRange& range,
                      bool across);

// The screen window's client area.
GraphLayout layout_screen(const TGraphPlot& g, QSize client, const DeviceMetrics& d);
// A picture of `size` pixels: as on screen, with a half-inch layer strip.
GraphLayout layout_picture(const TGraphPlot& g, QSize size, const DeviceMetrics& d);
// A printed page: `area` is the printable area (see printable_area).
GraphLayout layout_page(const TGraphPlot& g, QRect page, QRect area, const DeviceMetrics& d);

// Page margins in thousandths of an inch (1000 each by default).
struct PageMargins {
    int left = 1000, top = 1000, right = 1000, bottom = 1000;
};
// The printable area of a page of `page` pixels: each margin in pixels, but at least the
// printer's physical offset on that side (`offsets`: left, top, right, bottom).
QRect printable_area(QSize page, const PageMargins& m, const QMargins& offsets,
                     const DeviceMetrics& d);

// Data to pixels and back for one panel. Y grows downwards when the X axis is on top.
class PanelMapping {
  public:
    PanelMapping() = default;
    PanelMapping(const PixelBox& box, const PanelRange& range, bool x_on_top)
        : box_(box), range_(range), x_on_top_(x_on_top) {}

    int pixelX(double x) const;
    int pixelY(double y) const;
    QPoint toPixel(double x, double y) const { return {pixelX(x), pixelY(y)}; }
    double dataX(double pixel_x) const;
    double dataY(double pixel_y) const;
    QPointF toData(QPoint p) const { return {dataX(p.x()), dataY(p.y())}; }

    const PixelBox& box() const { return box_; }
    const PanelRange& range() const { return range_; }
    bool xOnTop() const { return x_on_top_; }

  private:
    PixelBox box_;
    PanelRange range_;
    bool x_on_top_ = true;
};

// The tick labels of a panel's X (`across`) or Y axis, one per labelled tick in tick order,
// where the painter writes them in the labels' font (normal weight, text height T): X labels
// centred on their tick above the panel (X on top) or below it, Y labels turned, left of it.
// A label that would reach out of the frame (on a page, into the margin) is moved along its
// axis to end at the frame's edge.
std::vector<TextBox> tick_labels(const GraphLayout& l, const PanelMapping& m, const AxisTicks& t,
                                 bool across);

}  // namespace vornel
