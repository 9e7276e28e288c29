#include "viewer/soil_patterns.h"

#include <QPainter>
#include <array>
#include <mutex>

namespace vornel {

namespace {

constexpr int kFirstCode = 1, kLastCode = 12;

void hatch(QPainter& p, int s, int gap, bool forward, bool backward, bool hor, bool ver) {
    for (int o = -s; o <= 2 * s; o += gap) {
        if (forward) p.drawLine(o, s, o + s, 0);
        if (backward) p.drawLine(o, 0, o + s, s);
        if (hor && o >= 0 && o < s) p.drawLine(0, o, s, o);
        if (ver && o >= 0 && o < s) p.drawLine(o, 0, o, s);
    }
}

// A fixed scatter, so that the pattern is the same in every picture.
void dots(QPainter& p, int s, int count, int seed) {
    unsigned v = static_cast<unsigned>(seed) * 2654435761u + 12345u;
    for (int i = 0; i < count; ++i) {
        v = v * 1103515245u + 12345u;
        const int x = static_cast<int>((v >> 8) % static_cast<unsigned>(s));
        v = v * 1103515245u + 12345u;
        const int y = static_cast<int>((v >> 8) % static_cast<unsigned>(s));
        p.drawPoint(x, y);
    }
}

void pebbles(QPainter& p, int s, int count) {
    unsigned v = 977u;
    for (int i = 0; i < count; ++i) {
        v = v * 1103515245u + 12345u;
        const int x = static_cast<int>((v >> 8) % static_cast<unsigned>(s));
        v = v * 1103515245u + 12345u;
        const int y = static_cast<int>((v >> 8) % static_cast<unsigned>(s));
        const int r = s / 16 + static_cast<int>((v >> 4) % 3u);
        p.drawEllipse(x - r, y - r / 2 - 1, 2 * r, r + 2);
    }
}

void bricks(QPainter& p, int s, bool crossed) {
    const int h = s / 8, w = s / 4;
    for (int row = 0; row * h < s; ++row) {
        p.drawLine(0, row * h, s, row * h);
        const int shift = (row % 2) * w / 2;
        for (int x = shift; x < s; x += w) p.drawLine(x, row * h, x, row * h + h);
        if (crossed)
            for (int x = shift; x < s; x += w) p.drawLine(x, row * h, x + w, row * h + h);
    }
}

void draw_pattern(QPainter& p, int code, int s) {
    const int gap = s / 10;
    switch (code) {
        case 1:
            hatch(p, s, s / 20, true, false, false, false);
            break;
        case 2:
            hatch(p, s, gap, true, false, false, false);
            break;
        case 3:
            hatch(p, s, gap, false, false, true, true);
            break;
        case 4:
            hatch(p, s, gap, true, true, false, false);
            break;
        case 5:
            hatch(p, s, gap, false, false, true, false);
            break;
        case 6:
            hatch(p, s, gap, false, false, false, true);
            break;
        case 7:
            dots(p, s, s * s / 40, 7);
            break;
        case 8:
            for (int y = gap / 2, row = 0; y < s; y += gap, ++row)
                for (int x = (row % 2) * gap / 2; x < s; x += gap) p.drawLine(x, y, x + gap / 2, y);
            break;
        case 9:
            bricks(p, s, false);
            break;
        case 10:
            bricks(p, s, true);
            break;
        case 11:
            dots(p, s, s * s / 80, 11);
            pebbles(p, s, 6);
            break;
        case 12:
            pebbles(p, s, 12);
            break;
        default:
            break;
    }
}

QImage make_tile(int code, bool large) {
    const int s = large ? 96 : 80;
    QImage img(s, s, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(QPen(Qt::black, large ? 2 : 1));
    p.setBrush(Qt::NoBrush);
    draw_pattern(p, code, s);
    return img;
}

}  // namespace

bool soil_code_filled(int code) {
    return code >= kFirstCode && code <= kLastCode;
}

QImage soil_tile(int code, bool large) {
    if (!soil_code_filled(code)) return {};
    static std::array<QImage, 2 * (kLastCode + 1)> tiles;
    static std::mutex guard;
    const std::lock_guard lock(guard);
    QImage& t = tiles[static_cast<size_t>(code * 2 + (large ? 1 : 0))];
    if (t.isNull()) t = make_tile(code, large);
    return t;
}

QBrush soil_brush(int code, bool large) {
    const QImage tile = soil_tile(code, large);
    return tile.isNull() ? QBrush(Qt::NoBrush) : QBrush(tile);
}

}  // namespace vornel
