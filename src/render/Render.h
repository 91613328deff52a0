#pragma once
#include "printing/Document.h"

#include <QImage>
#include <QPageLayout>

#include <memory>
#include <string>

class QGuiApplication;
class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace dravik::render {

// Text layout needs a QGuiApplication for its fonts. Creates one when the process has
// none (on the offscreen platform unless QT_QPA_PLATFORM says otherwise, so a command
// run without a display works) and returns it; returns null when one exists already.
// Throws std::runtime_error when the process has a non-GUI QCoreApplication.
std::unique_ptr<QGuiApplication> ensureGuiApplication();

// A4 in the document's orientation with the document's margins.
QPageLayout pageLayoutFor(const printing::Document& doc);

// The document laid out once into pages of the given page layout (its full page size,
// its margins as the page margins). The preview, the printer and PDF draw these pages.
// Layout units are pixels of a fixed 1200 dpi reference, whatever the output device.
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

// Writes the pages as a PDF file (A4). A failed write throws std::runtime_error naming
// the path and what is wrong; an existing file is only replaced once the new one is
// complete.
void writePdf(const printing::Document& doc, const std::string& path);
void writePdf(QTextDocument& laidOut, const std::string& path);

// Writes the document as OpenDocument text (.odt), the file the word processor opens,
// laid out as the pages print: A4 in the document's orientation with its margins, the
// font size the pages print in, tables with their header row repeated on every page,
// page breaks and pictures. Failures throw as writePdf does.
void writeOdt(const printing::Document& doc, const std::string& path);

// The picture drawn for Picture::Source::ProgramLogo.
QImage programLogo();

} // namespace dravik::render
