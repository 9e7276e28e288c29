// The painter of the soil-wall profile: replays a ProfileDrawing on any QPainter, so that the
// window, the printer, PDF, SVG and bitmap pictures all show the same drawing.
#pragma once

#include <QColor>
#include <QFont>
#include <QSizeF>

#include "viewer/profile_drawing.h"

class QPainter;

namespace vornel {

struct ProfileColours {
    QColor background = Qt::white;  // client-area fill (the page is not filled)
    QColor lines = Qt::black;       // lines, marks and texts
    QColor wall = Qt::black;        // the wall bar
};

void paint_profile(QPainter& painter, const ProfileDrawing& drawing, const ProfileColours& colours);

// The printed page (the painter's device, `page` its size in device pixels): the drawing laid
// out for a page, black on white, its texts in `font`.
void paint_profile_page(QPainter& painter, QSizeF page, const ProfileGeometry& geometry,
                        const TProgramData& data, int earth_pressure_points, const QFont& font);

namespace profile_text {
inline constexpr char kPrintTitle[] = "Soil-Pile Profile";
}

}  // namespace vornel
