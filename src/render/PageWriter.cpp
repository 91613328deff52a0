// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/FileWrite.h"
#include "render/Render.h"
#include "render/TextDocumentBuilder.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace dravik::render {

// Drawing laid-out pages: on a painter, an image, a printer and a PDF file.

void paintPage(QTextDocument& laidOut, int page, QPainter& painter, const QRectF& target)
{
    const QSizeF size = laidOut.pageSize();
    if (size.isEmpty())
        return;
    const QRectF pageRect(0, page * size.height(), size.width(), size.height());
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    painter.translate(0, -pageRect.top());
    painter.setClipRect(pageRect);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = pageRect;
    // Black text on any desktop theme: pages are paper, not widgets.
    context.palette.setColor(QPalette::Text, Qt::black);
    laidOut.documentLayout()->draw(&painter, context);
    painter.restore();
}

QImage renderPage(QTextDocument& laidOut, int page, double dpi)
{
    const QSizeF points = pageSizePoints(laidOut);
    const QSize pixels(std::max(1, static_cast<int>(std::lround(points.width() * dpi / 72.0))),
                       std::max(1, static_cast<int>(std::lround(points.height() * dpi / 72.0))));
    QImage image(pixels, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    paintPage(laidOut, page, painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

void printTo(QTextDocument& laidOut, QPagedPaintDevice& device)
{
    const int pages = pageCount(laidOut);
    int from = 0, to = pages - 1;
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        if (printer->fromPage() > 0) {
            from = std::min(printer->fromPage() - 1, pages - 1);
            to = std::clamp(printer->toPage() > 0 ? printer->toPage() - 1 : pages - 1, from, pages - 1);
        }
    }
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("The printer could not be started.");
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const QSizeF page = laidOut.pageSize();
    const double scale = std::min(device.width() / page.width(), device.height() / page.height());
    const QRectF target(0, 0, page.width() * scale, page.height() * scale);
    for (int p = from; p <= to; ++p) {
        if (p > from)
            device.newPage();
        paintPage(laidOut, p, painter, target);
    }
    painter.end();
}

void writePdf(QTextDocument& laidOut, const std::string& path, const std::string& title)
{
    checkFolder(path);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        // Qt's writer embeds the used glyphs of every font the text fell back to, keeps
        // each character copyable (joined scripts and right-to-left text included) and
        // stores a picture drawn on several pages once. It dates the file itself.
        QPdfWriter writer(&bytes);
        writer.setCreator(QStringLiteral("Dravik Sport - Program"));
        writer.setTitle(QString::fromStdString(title));
        writer.setResolution(static_cast<int>(kLayoutDpi));
        const QSizeF points = pageSizePoints(laidOut);
        const bool landscape = points.width() > points.height();
        const QSizeF portrait = landscape ? points.transposed() : points;
        writer.setPageLayout(QPageLayout(QPageSize(portrait, QPageSize::Point, QString(), QPageSize::FuzzyMatch),
                                         landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        printTo(laidOut, writer);
    }
    saveFile(path, bytes.data());
}

} // namespace dravik::render
