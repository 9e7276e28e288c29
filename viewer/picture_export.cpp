#include "viewer/picture_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "editor/atomic_file.h"
#include "viewer/graph_painter.h"

namespace vornel {

QSize PictureSpec::pixelSize() const {
    auto pixels = [this](double inches) {
        const double v = pixelsPerInch * inches;
        return std::isfinite(v) ? static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0e6))) : 0;
    };
    return {pixels(widthInches), pixels(heightInches)};
}

DeviceMetrics PictureSpec::metrics() const {
    DeviceMetrics d;
    d.px = d.py = pixelsPerInch;
    d.baseFont = baseFont.value_or(static_cast<int>(std::lround(14.0 * pixelsPerInch / 96.0)));
    return d;
}

std::optional<PictureFormat> picture_format_for(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("bmp")) return PictureFormat::Bmp;
    if (ext == QLatin1String("png")) return PictureFormat::Png;
    if (ext == QLatin1String("svg")) return PictureFormat::Svg;
    if (ext == QLatin1String("pdf")) return PictureFormat::Pdf;
    return std::nullopt;
}

QString picture_extension(PictureFormat f) {
    switch (f) {
        case PictureFormat::Bmp:
            return QStringLiteral("bmp");
        case PictureFormat::Svg:
            return QStringLiteral("svg");
        case PictureFormat::Pdf:
            return QStringLiteral("pdf");
        case PictureFormat::Png:
            break;
    }
    return QStringLiteral("png");
}

namespace {

constexpr double kMaxPictureBytes = 1024.0 * 1024.0 * 1024.0;

void paint_on(QPainter& p, const GraphView& view, QSize size, const DeviceMetrics& d) {
    const GraphLayout l = layout_picture(view.graph(), size, d);
    GraphPainter(view, l).paint(p);
}

bool write_drawing(const GraphView& view, QIODevice& file, const PictureSpec& spec,
                   PictureFormat f) {
    const QSize size = spec.pixelSize();
    if (f == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(spec.pixelsPerInch);
        svg.setTitle(view.graph().Caption);
        QPainter p;
        if (!p.begin(&svg)) return false;
        paint_on(p, view, size, spec.metrics());
        return p.end();
    }
    QPdfWriter pdf(&file);
    pdf.setTitle(view.graph().Caption);
    pdf.setResolution(spec.pixelsPerInch);
    pdf.setPageSize(QPageSize(QSizeF(spec.widthInches, spec.heightInches), QPageSize::Inch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p;
    if (!p.begin(&pdf)) return false;
    paint_on(p, view, QSize(pdf.width(), pdf.height()), spec.metrics());
    return p.end();
}

}  // namespace

QImage render_picture(const GraphView& view, const PictureSpec& spec) {
    const QSize size = spec.pixelSize();
    if (size.width() <= 0 || size.height() <= 0) return {};
    // The system would promise far more memory than it can give and end the program when the
    // bitmap is filled; a picture beyond a gigabyte is refused as out of memory instead.
    const double bytes = 4.0 * size.width() * size.height();
    if (bytes > kMaxPictureBytes) return {};
    QImage img(size, QImage::Format_RGB32);
    if (img.isNull()) return img;
    const int dpm = static_cast<int>(std::lround(spec.pixelsPerInch / 0.0254));
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    QPainter p(&img);
    paint_on(p, view, size, spec.metrics());
    return img;
}

PictureResult save_picture(const GraphView& view, const QString& path, const PictureSpec& spec,
                           Questions* questions) {
    PictureResult r;
    const std::optional<PictureFormat> f = picture_format_for(path);
    if (!f) {
        r.message = QStringLiteral("unknown picture type: ") + path;
        return r;
    }
    QImage img;
    if (*f == PictureFormat::Bmp || *f == PictureFormat::Png) {
        img = render_picture(view, spec);
        if (img.isNull()) {
            r.message = QString::fromLatin1(viewer_text::kNoMemory);
            if (questions) questions->inform(r.message);
            return r;
        }
    }
    // The picture is made in memory and written in one checked step: a full disk or a name
    // that is not a regular file keeps the old picture as it was.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    bool written = false;
    if (!img.isNull())
        // Quality 80 is deflate's fast end: a graph's white areas and thin lines come out
        // barely larger than at the default level, in half the time.
        written = *f == PictureFormat::Bmp ? img.save(&file, "BMP") : img.save(&file, "PNG", 80);
    else
        written = write_drawing(view, file, spec, *f);
    if (!written) {
        r.message = QStringLiteral("the picture could not be written: ") + path;
        return r;
    }
    r.message = write_file_atomically(path, file.data());
    if (!r.message.isEmpty()) return r;
    r.ok = true;
    return r;
}

}  // namespace vornel
