#include "viewer/profile_picture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "editor/atomic_file.h"
#include "viewer/profile_geometry.h"
#include "viewer/profile_painter.h"

namespace vornel {

namespace {

void paint_screen(QPainter& p, QSize size, const ProfileGeometry& g, const TProgramData& d,
                  int points) {
    p.setFont(QGuiApplication::font());
    const double text_height = QFontMetricsF(p.font(), p.device()).height();
    const ProfileDevice device{QSizeF(size), ProfileMedium::Screen, text_height};
    paint_profile(p, build_profile_drawing(g, d, device, points), ProfileColours{});
}

bool write_bitmap(QIODevice& f, const char* kind, QSize size, const ProfileGeometry& g,
                  const TProgramData& d, int points) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return false;  // no memory for the bitmap
    image.fill(Qt::white);
    {
        QPainter p(&image);
        paint_screen(p, size, g, d, points);
    }
    return image.save(&f, kind);
}

bool write_svg(QIODevice& f, QSize size, const ProfileGeometry& g, const TProgramData& d,
               int points) {
    QSvgGenerator svg;
    svg.setOutputDevice(&f);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QString::fromLatin1(profile_text::kPrintTitle));
    QPainter p;
    if (!p.begin(&svg)) return false;
    paint_screen(p, size, g, d, points);
    return p.end();
}

bool write_pdf(QIODevice& f, const ProfileGeometry& g, const TProgramData& d, int points) {
    QPdfWriter pdf(&f);
    pdf.setTitle(QString::fromLatin1(profile_text::kPrintTitle));
    pdf.setResolution(600);
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p;
    if (!p.begin(&pdf)) return false;
    const QSizeF page(pdf.width(), pdf.height());
    paint_profile_page(p, page, g, d, points, QGuiApplication::font());
    return p.end();
}

}  // namespace

QString write_profile_picture(const TProgramData& data, int earth_pressure_points,
                              const QString& path, PictureFormat format, QSize size) {
    if (size.isEmpty()) return QStringLiteral("The picture size must be positive.");
    ProfileGeometry g;
    g.rebuild(data);
    g.resize(QSizeF(size));
    // Made in memory, then written in one checked step that keeps the old file on failure.
    QBuffer f;
    f.open(QIODevice::WriteOnly);
    bool ok = false;
    switch (format) {
        case PictureFormat::Bmp:
            ok = write_bitmap(f, "BMP", size, g, data, earth_pressure_points);
            break;
        case PictureFormat::Png:
            ok = write_bitmap(f, "PNG", size, g, data, earth_pressure_points);
            break;
        case PictureFormat::Svg:
            ok = write_svg(f, size, g, data, earth_pressure_points);
            break;
        case PictureFormat::Pdf:
            ok = write_pdf(f, g, data, earth_pressure_points);
            break;
    }
    if (!ok) return QStringLiteral("Cannot write %1: the picture could not be drawn").arg(path);
    return write_file_atomically(path, f.data());
}

}  // namespace vornel
