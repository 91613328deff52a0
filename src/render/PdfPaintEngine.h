#pragma once
#include <QByteArray>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRawFont>

#include <algorithm>
#include <climits>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace dravik::render {

// Writing PDF text: a number (at most three decimals, no exponent), a matrix, a
// glyph or character number in four hex digits. Numbers and matrices end with a space.
void put(std::string& out, double v);
void putMatrix(std::string& out, const QTransform& m);
void putHex4(std::string& out, quint32 v);
// A signed 16-bit number of a font table; 0 past its end.
qint32 int16At(const QByteArray& b, qsizetype at);

// A font as it is embedded: the glyphs used and the text each one stands for.
struct EmbeddedFont {
    QRawFont raw;
    int number = 0;                      // /F<number>
    std::vector<char16_t> chars;         // glyph -> the character it stands for; 0: unused
    QByteArray hmtx;
    quint32 metrics = 0;                 // advances in hmtx
    double perEm = 1000;

    // The glyph's advance as the PDF reader takes it, in thousandths of the em.
    double width(quint32 g) const
    {
        const quint32 i = std::min(g, metrics ? metrics - 1 : 0);
        return quint16(int16At(hmtx, 4 * i)) * 1000.0 / perEm;
    }
};

// Turns painting into PDF page content: paths, pictures and glyph runs.
class PdfEngine : public QPaintEngine {
public:
    PdfEngine(QSizeF pagePoints, double unitsPerPoint)
        : QPaintEngine(PrimitiveTransform | PixmapTransform | PainterPaths | AlphaBlend | Antialiasing |
                       PaintOutsidePaintEvent),
          pageMap_(1 / unitsPerPoint, 0, 0, -1 / unitsPerPoint, 0, pagePoints.height()), total_(pageMap_)
    {
        content_.reserve(1 << 20);
        content_ += "q\n";
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override;
    void drawPath(const QPainterPath& path) override;
    void drawRects(const QRectF* rects, int count) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override;
    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr, Qt::ImageConversionFlags) override;
    void drawTextItem(const QPointF& p, const QTextItem& item) override;

    // The content of the page drawn so far; the next page starts empty.
    std::string takePage();

    std::vector<EmbeddedFont>& fonts() { return fonts_; }
    // Images written as they came, for the writer to store: number -> (object text, data)
    std::vector<std::pair<std::string, QByteArray>>& images() { return images_; }
    std::map<int, int>& imageObjects() { return imageObjects_; }

private:
    // Brings the clip of the page up to the painter's before anything is drawn.
    void startDrawing();
    void putPath(const QPainterPath& path);
    // Fills (when `mayFill` and the brush shows) and strokes (when the pen shows) a path.
    void paintPath(const QPainterPath& path, bool mayFill, bool oddEven);
    void drawPicture(const QRectF& r, const QImage& image, qint64 key, const QRectF& sr);
    void finishPath(bool fill, bool stroke, bool oddEven);
    void setFill(const QColor& c);
    EmbeddedFont* fontFor(const QFont& qfont);

    // The item as one run of glyphs at the positions the layout gave them. False
    // when the font does not hold every character, so the caller draws shapes.
    bool glyphRun(const QPointF& p, const QTextItem& item, const QString& text, EmbeddedFont& font);
    int imageNumber(const QImage& image, qint64 key, const QRect& part);
    QTransform pageMap_, total_;
    QPen pen_;
    QBrush brush_;
    QPainterPath clip_;
    bool clipOn_ = false, clipDirty_ = false;
    QColor fillColor_, strokeColor_;
    double lineWidth_ = -1;
    std::string content_;
    std::vector<EmbeddedFont> fonts_;
    QFont lastQFont_;
    EmbeddedFont* lastFont_ = nullptr;
    QRawFont rawForSize_;
    std::map<std::tuple<qint64, int, int, int, int>, int> imageNumbers_;
    std::vector<std::pair<std::string, QByteArray>> images_;
    std::map<int, int> imageObjects_; // image number -> index in images_
};

// The device a QPainter draws the pages on.
class PdfDevice : public QPaintDevice {
public:
    PdfDevice(PdfEngine* engine, QSizeF units, double unitsPerPoint)
        : engine_(engine), units_(units), dpi_(unitsPerPoint * 72)
    {
    }
    QPaintEngine* paintEngine() const override;
    int devType() const override { return QInternal::UnknownDevice; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return int(std::lround(units_.width()));
        case PdmHeight: return int(std::lround(units_.height()));
        case PdmWidthMM: return int(std::lround(units_.width() / dpi_ * 25.4));
        case PdmHeightMM: return int(std::lround(units_.height() / dpi_ * 25.4));
        case PdmNumColors: return INT_MAX;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return int(std::lround(dpi_));
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    PdfEngine* engine_;
    QSizeF units_;
    double dpi_;
};

} // namespace dravik::render
