// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/WebLogo.h"

#include <QBuffer>
#include <QImage>

namespace dravik::render {

namespace {

constexpr int kLargestSide = 256; // pixels: twice the size the page shows it at
}

printing::WebLogo webLogo(const std::string& file)
{
    printing::WebLogo logo;
    if (file.empty())
        return logo;
    QImage image(QString::fromStdString(file));
    if (image.isNull())
        return logo;
    if (image.width() > kLargestSide || image.height() > kLargestSide)
        image = image.scaled(kLargestSide, kLargestSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (image.save(&png, "PNG"))
        logo.bytes = png.data().toStdString();
    return logo;
}

} // namespace dravik::render
