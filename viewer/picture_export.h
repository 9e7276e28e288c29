// Saving a graph as a picture: a bitmap (BMP, PNG) or a drawing (SVG, PDF), chosen by the
// file's extension, laid out as the window lays out (with a half-inch layer strip) and drawn
// by the same painter, with the legend drawn onto the picture.
//
// The picture is width x height inches at the given pixels per inch (6 x 4 in at 72 ppi is
// 432 x 288 pixels). When the bitmap cannot be made, "There is not enough memory to complete
// this task." is told and nothing is written; a failed write never leaves a partial file.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

#include "viewer/graph_view.h"
#include "viewer/viewer_questions.h"

namespace vornel {

struct PictureSpec {
    double widthInches = 6.0;   // at least 2 in the Save Attributes dialog
    double heightInches = 4.0;  // at least 2
    int pixelsPerInch = 72;     // at least 10
    // The base text height in pixels; by default 14 pixels at 96 ppi, scaled to the picture.
    std::optional<int> baseFont;

    QSize pixelSize() const;
    DeviceMetrics metrics() const;
};

enum class PictureFormat { Bmp, Png, Svg, Pdf };
// By extension (case ignored); none for an unknown one.
std::optional<PictureFormat> picture_format_for(const QString& path);
QString picture_extension(PictureFormat f);

// The picture as a bitmap; a null image when it cannot be allocated.
QImage render_picture(const GraphView& view, const PictureSpec& spec);

struct PictureResult {
    bool ok = false;
    QString message;  // what went wrong; the memory message is also told to `questions`
};

PictureResult save_picture(const GraphView& view, const QString& path, const PictureSpec& spec,
                           Questions* questions = nullptr);

}  // namespace vornel
