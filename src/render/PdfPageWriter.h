#pragma once
#include <QByteArray>
#include <QSizeF>

#include <memory>
#include <string>

class QPaintDevice;

namespace dravik::render {

// A PDF file drawn page by page with a QPainter on device(). Text is written as
// the fonts' glyphs a run at a time, with only the used glyphs of each font
// embedded and their characters mapped back for copying and searching; lines,
// fills and pictures as PDF paths and images. Text in a font it cannot embed is
// drawn as shapes.
class PdfPageWriter {
public:
    // pagePoints: the page in points; unitsPerPoint: the painter's units to a point.
    PdfPageWriter(QSizeF pagePoints, double unitsPerPoint, const std::string& creator);
    ~PdfPageWriter();
    PdfPageWriter(const PdfPageWriter&) = delete;
    PdfPageWriter& operator=(const PdfPageWriter&) = delete;

    QPaintDevice* device();
    // Ends the page drawn so far and starts the next one.
    void newPage();
    // The whole file, once the painter has ended.
    QByteArray finish();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace dravik::render
