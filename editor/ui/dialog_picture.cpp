#include "editor/ui/dialog_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace vornel {

namespace {

// Every picture is drawn on a 240 x 180 canvas scaled into the widget.
constexpr double kW = 240.0, kH = 180.0;
const QColor kSoil(214, 190, 140), kWater(90, 150, 230), kWall(90, 90, 100), kLoad(200, 30, 30);

void arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    const QPointF u = d / len, n(-u.y(), u.x());
    QPolygonF head{to, to - u * 7 + n * 3.5, to - u * 7 - n * 3.5};
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
    p.restore();
}

void soil(QPainter& p, const QRectF& r) {
    p.fillRect(r, kSoil);
    p.save();
    p.setPen(QPen(kSoil.darker(130), 1));
    for (double x = r.left() + 4; x < r.right(); x += 12)
        for (double y = r.top() + 6; y < r.bottom(); y += 12) p.drawPoint(QPointF(x, y));
    p.restore();
}

void water(QPainter& p, double x0, double x1, double y) {
    p.save();
    p.setPen(QPen(kWater, 1.5));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    const double xm = (x0 + x1) / 2;
    p.setBrush(kWater);
    p.drawPolygon(QPolygonF{{xm - 5, y - 8}, {xm + 5, y - 8}, {xm, y}});
    p.restore();
}

void wall(QPainter& p, double x, double top, double bottom) {
    p.fillRect(QRectF(x - 3, top, 6, bottom - top), kWall);
}

void label(QPainter& p, QPointF at, const QString& text) {
    p.drawText(at, text);
}

void dimension(QPainter& p, double x, double y0, double y1, const QString& text) {
    p.save();
    p.setPen(QPen(Qt::black, 1));
    arrow(p, {x, (y0 + y1) / 2}, {x, y0});
    arrow(p, {x, (y0 + y1) / 2}, {x, y1});
    p.drawText(QPointF(x + 4, (y0 + y1) / 2 + 4), text);
    p.restore();
}

void wallSection(QPainter& p) {
    const double wx = 120, top = 20, exc = 90, toe = 170;
    // Backfill on the left, sloping up by Beta; excavation on the right.
    QPainterPath back;
    back.moveTo(10, top + 12);
    back.lineTo(wx - 3, top);
    back.lineTo(wx - 3, kH);
    back.lineTo(10, kH);
    back.closeSubpath();
    p.fillPath(back, kSoil);
    soil(p, QRectF(wx + 3, exc, 225 - wx, kH - exc));
    wall(p, wx, top - 8, toe);
    water(p, 14, wx - 8, 60);
    water(p, wx + 10, 224, 118);
    p.setPen(QPen(kLoad, 1.5));
    for (double x = 20; x < wx - 10; x += 16) arrow(p, {x, 0}, {x, top + 12 - (x - 10) * 12 / 107});
    p.setPen(Qt::black);
    dimension(p, wx + 14, top - 8, exc, QStringLiteral("H"));
    dimension(p, 30, top + 10, 60, QStringLiteral("DWb"));
    dimension(p, 200, exc, 118, QStringLiteral("DWe"));
    label(p, {16, kH - 8}, QStringLiteral("Backfill"));
    label(p, {wx + 30, kH - 8}, QStringLiteral("Excavation"));
    label(p, {80, top + 24}, QStringLiteral("Beta"));
}

void wallPlan(QPainter& p) {
    soil(p, QRectF(0, 0, kW, 70));
    p.fillRect(QRectF(0, 70, kW, 8), kSoil.lighter(110));
    p.setPen(Qt::NoPen);
    p.setBrush(kWall);
    const double xs[] = {40, 120, 200};
    for (double x : xs) p.drawEllipse(QPointF(x, 74), 14, 14);
    p.setPen(QPen(Qt::black, 1));
    arrow(p, {80, 112}, {40, 112});
    arrow(p, {80, 112}, {120, 112});
    label(p, {70, 128}, QStringLiteral("Wa"));
    arrow(p, {120, 98}, {106, 98});
    arrow(p, {120, 98}, {134, 98});
    p.drawLine(QPointF(106, 90), QPointF(106, 102));
    p.drawLine(QPointF(134, 90), QPointF(134, 102));
    label(p, {140, 102}, QStringLiteral("Wp"));
    label(p, {8, 20}, QStringLiteral("Backfill (plan view)"));
    label(p, {8, 170}, QStringLiteral("Excavation"));
}

void surcharge(QPainter& p) {
    const double wx = 20, ground = 60;
    soil(p, QRectF(wx + 3, ground, kW - wx - 3, kH - ground));
    wall(p, wx, 40, kH);
    p.setPen(QPen(kLoad, 2));
    arrow(p, {70, 10}, {70, ground});
    p.setPen(Qt::black);
    label(p, {58, 8}, QStringLiteral("Point"));
    p.setPen(QPen(kLoad, 2));
    for (double dx : {-6.0, 0.0, 6.0}) arrow(p, {120 + dx, 16}, {120 + dx, ground});
    p.setPen(Qt::black);
    label(p, {106, 12}, QStringLiteral("Line"));
    p.setPen(QPen(kLoad, 1.5));
    for (double x = 170; x <= 220; x += 10) arrow(p, {x, 24}, {x, ground});
    p.drawLine(QPointF(170, 24), QPointF(220, 24));
    p.setPen(Qt::black);
    label(p, {178, 18}, QStringLiteral("Strip"));
    arrow(p, {wx, 80}, {195, 80});
    label(p, {100, 94}, QStringLiteral("X"));
    arrow(p, {195, 110}, {170, 110});
    arrow(p, {195, 110}, {220, 110});
    label(p, {190, 124}, QStringLiteral("W"));
}

void concentratedLoads(QPainter& p) {
    const double wx = 110;
    soil(p, QRectF(0, 90, kW, kH - 90));
    wall(p, wx, 10, kH);
    p.setPen(QPen(kLoad, 2));
    arrow(p, {wx, 0}, {wx, 10});
    arrow(p, {wx - 70, 14}, {wx - 4, 14});
    QPainterPath m;
    m.arcMoveTo(QRectF(wx - 22, 26, 44, 44), 200);
    m.arcTo(QRectF(wx - 22, 26, 44, 44), 200, -220);
    p.setBrush(Qt::NoBrush);
    p.drawPath(m);
    arrow(p, m.pointAtPercent(0.97), m.pointAtPercent(1.0));
    p.setPen(Qt::black);
    label(p, {wx + 8, 10}, QStringLiteral("Axial load"));
    label(p, {10, 10}, QStringLiteral("Lateral load"));
    label(p, {wx + 26, 52}, QStringLiteral("Moment"));
}

void tieback(QPainter& p) {
    const double wx = 150, top = 20;
    soil(p, QRectF(0, top, wx - 3, kH - top));
    soil(p, QRectF(wx + 3, 120, kW - wx - 3, kH - 120));
    wall(p, wx, top - 6, kH);
    // Anchor rod inclined down into the backfill: unbonded length, then the grout body.
    const QPointF head(wx, 50), bond(60, 95), end(20, 115);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(head, bond);
    p.setPen(QPen(QColor(120, 120, 120), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(bond, end);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kWall);
    p.drawRect(QRectF(wx + 3, 44, 6, 12));
    label(p, {70, 70}, QStringLiteral("Unbonded length"));
    label(p, {4, 140}, QStringLiteral("Anchor"));
    label(p, {wx - 44, 46}, QStringLiteral("Angle"));
}

void springs(QPainter& p) {
    const double wx = 70;
    wall(p, wx, 10, kH - 10);
    p.setPen(QPen(Qt::black, 1.5));
    for (double y : {50.0, 110.0}) {
        QPainterPath z;
        z.moveTo(wx + 3, y);
        for (int i = 0; i < 8; ++i) z.lineTo(wx + 14 + i * 8, y + (i % 2 ? 7 : -7));
        z.lineTo(wx + 90, y);
        p.drawPath(z);
        p.fillRect(QRectF(wx + 90, y - 12, 6, 24), kSoil.darker(120));
    }
    QPainterPath spiral;
    spiral.moveTo(wx, 150);
    for (int i = 1; i < 40; ++i) {
        const double a = i * 0.45, r = 2 + i * 0.45;
        spiral.lineTo(wx + r * std::cos(a), 150 + r * std::sin(a));
    }
    p.drawPath(spiral);
    label(p, {wx + 30, 36}, QStringLiteral("Lateral spring"));
    label(p, {wx + 24, 160}, QStringLiteral("Rotational spring"));
}

void pressure(QPainter& p) {
    const double wx = 40;
    wall(p, wx, 10, kH - 10);
    QPolygonF diagram{{wx + 3, 20}, {wx + 40, 60}, {wx + 100, 120}, {wx + 3, 120}};
    p.setPen(QPen(kLoad, 1.5));
    p.setBrush(QColor(240, 200, 200));
    p.drawPolygon(diagram);
    for (double y = 40; y < 120; y += 16) {
        const double x = y < 60 ? wx + 3 + (y - 20) * 37 / 40 : wx + 40 + (y - 60);
        arrow(p, {x, y}, {wx + 4, y});
    }
    p.setPen(Qt::black);
    label(p, {wx + 60, 70}, QStringLiteral("Lateral load"));
    label(p, {wx + 10, 150}, QStringLiteral("Depth from the top of the wall"));
}

}  // namespace

void draw_dialog_picture(QPainter& p, DialogPicture::Kind kind, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(area);
    p.fillRect(area, Qt::white);
    const double s = std::min(area.width() / kW, area.height() / kH);
    p.translate(area.center() - QPointF(kW * s / 2, kH * s / 2));
    p.scale(s, s);
    QFont f = p.font();
    f.setPixelSize(10);
    p.setFont(f);
    switch (kind) {
        case DialogPicture::WallSection:
            wallSection(p);
            break;
        case DialogPicture::WallPlan:
            wallPlan(p);
            break;
        case DialogPicture::Surcharge:
            surcharge(p);
            break;
        case DialogPicture::ConcentratedLoads:
            concentratedLoads(p);
            break;
        case DialogPicture::Tieback:
            tieback(p);
            break;
        case DialogPicture::Springs:
            springs(p);
            break;
        case DialogPicture::Pressure:
            pressure(p);
            break;
    }
    p.restore();
}

DialogPicture::DialogPicture(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setFixedSize(sizeHint());
}

QSize DialogPicture::sizeHint() const {
    return {static_cast<int>(kW * 1.25), static_cast<int>(kH * 1.25)};
}

bool DialogPicture::kindOfHelpPicture(const QString& name, Kind& kind) {
    if (name == QLatin1String("tieback"))
        kind = Tieback;
    else if (name == QLatin1String("pressure"))
        kind = Pressure;
    else
        return false;
    return true;
}

void DialogPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    draw_dialog_picture(p, kind_, QRectF(rect()));
    p.setPen(Qt::gray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vornel
