#include "viewer/profile_painter.h"

#include <QFontMetricsF>
#include <QPainter>

namespace vornel {

namespace {

QPen pen_of(const ProfileItem& item, const QColor& colour) {
    return QPen(colour, item.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paint_item(QPainter& p, const ProfileItem& item, const ProfileColours& c) {
    switch (item.kind) {
        case ProfileItemKind::Wall:
            p.setPen(QPen(c.wall, 1));
            p.setBrush(c.wall);
            p.drawPolygon(item.polygon);
            return;
        case ProfileItemKind::PileCircle:
            p.setPen(pen_of(item, c.lines));
            p.setBrush(Qt::white);
            p.drawEllipse(item.ellipse);
            return;
        case ProfileItemKind::LayerName:
        case ProfileItemKind::LayerParameters:
        case ProfileItemKind::TopViewLabel:
        case ProfileItemKind::SideViewLabel: {
            p.setPen(c.lines);
            const double ascent = QFontMetricsF(p.font(), p.device()).ascent();
            p.drawText(item.textTopLeft + QPointF(0.0, ascent), item.text);
            return;
        }
        default:
            p.setPen(pen_of(item, c.lines));
            for (const QLineF& l : item.lines) p.drawLine(l);
            return;
    }
}

}  // namespace

void paint_profile(QPainter& painter, const ProfileDrawing& drawing,
                   const ProfileColours& colours) {
    painter.save();
    if (drawing.fillBackground)
        painter.fillRect(QRectF(QPointF(0, 0), drawing.size), colours.background);
    for (const ProfileItem& item : drawing.items) paint_item(painter, item, colours);
    painter.restore();
}

void paint_profile_page(QPainter& painter, QSizeF page, const ProfileGeometry& geometry,
                        const TProgramData& data, int earth_pressure_points, const QFont& font) {
    painter.save();
    painter.setFont(font);
    const double text_height = QFontMetricsF(font, painter.device()).height();
    const ProfileDevice device{page, ProfileMedium::Page, text_height};
    const ProfileDrawing drawing =
        build_profile_drawing(geometry, data, device, earth_pressure_points);
    paint_profile(painter, drawing, ProfileColours{Qt::white, Qt::black, Qt::black});
    painter.restore();
}

}  // namespace vornel
