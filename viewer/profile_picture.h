// Pictures of the soil-wall profile: a bitmap (BMP, PNG) or SVG of the drawing as the window shows
// it in a client area of a given size, or a PDF of the printed page (landscape, titled as the print
// job). The file is replaced only when the whole picture has been written.
#pragma once

#include <QSize>
#include <QString>

#include "viewer/picture_export.h"

namespace vornel {

class TProgramData;

// Writes the picture; returns an empty text on success, else the message.
QString write_profile_picture(const TProgramData& data, int earth_pressure_points,
                              const QString& path, PictureFormat format,
                              QSize size = QSize(580, 400));

}  // namespace vornel
