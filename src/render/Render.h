// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Document.h"
#include "render/DocumentFiles.h"

#include <QImage>
#include <QPageLayout>

#include <memory>
#include <string>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace dravik::render {

// A4 in the document's orientation with the document's margins.
QPageLayout pageLayoutFor(const printing::Document& doc);

// The document laid out once into pages of the given page layout (its full page size,
// its margins as the page margins), at the document's own font size: a page whose
// table does not fit one sheet runs on over further sheets under the page's heading
// (see SheetFit.h). The preview, the printer and PDF draw these pages.
// Layout units are pixels of a fixed 1440 dpi reference, whatever the output device.
std::unique_ptr<QTextDocument> layoutDocument(const printing::Document& doc, const QPageLayout& page);
std::unique_ptr<QTextDocument> layoutDocument(const printing::Document& doc);

int pageCount(QTextDocument& laidOut);
// The size of one page in points (1/72 inch).
QSizeF pageSizePoints(QTextDocument& laidOut);

// Draws page `page` (0-based) of a laid-out document scaled into `target`, in the
// painter's coordinates. The painter's state is restored afterwards.
void paintPage(QTextDocument& laidOut, int page, QPainter& painter, const QRectF& target);
// One page as a white image at `dpi` dots per inch.
QImage renderPage(QTextDocument& laidOut, int page, double dpi);

// Prints every page of the laid-out document (or, on a QPrinter with a page range, the
// pages in that range) on the device, each page scaled to fit the device's page.
void printTo(QTextDocument& laidOut, QPagedPaintDevice& device);
void printTo(const printing::Document& doc, QPagedPaintDevice& device);

// The pages of a laid-out document as a PDF file with `title` as its title, as
// writePdf of the model does.
void writePdf(QTextDocument& laidOut, const std::string& path, const std::string& title);

// The picture drawn for Picture::Source::ProgramLogo.
QImage programLogo();

} // namespace dravik::render
