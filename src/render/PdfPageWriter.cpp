#include "render/PdfPageWriter.h"

#include "render/FontSubset.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QRawFont>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <vector>

namespace dravik::render {

namespace {

// A number as PDF writes it: at most three decimals, no exponent, then a space.
void put(std::string& out, double v)
{
    if (std::abs(v) < 0.0005)
        v = 0;
    char buf[40];
    char* end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3).ptr;
    while (end[-1] == '0')
        --end;
    if (end[-1] == '.')
        --end;
    out.append(buf, end);
    out += ' ';
}

void putMatrix(std::string& out, const QTransform& m)
{
    for (double v : {m.m11(), m.m12(), m.m21(), m.m22(), m.dx(), m.dy()})
        put(out, v);
}

void putHex4(std::string& out, quint32 v)
{
    static const char digits[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += digits[v >> shift & 0xf];
}

void putColor(std::string& out, const QColor& c, const char* op)
{
    put(out, c.redF());
    put(out, c.greenF());
    put(out, c.blueF());
    out += op;
    out += '\n';
}

qint32 int16At(const QByteArray& b, qsizetype at)
{
    return at + 2 <= b.size() ? qint16(quint16(quint8(b[at]) << 8 | quint8(b[at + 1]))) : 0;
}

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

} // namespace

class PdfEngine;

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

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags flags = state.state();
        if (flags & DirtyTransform)
            total_ = state.transform() * pageMap_;
        if (flags & DirtyPen)
            pen_ = state.pen();
        if (flags & DirtyBrush)
            brush_ = state.brush();
        if (flags & DirtyClipEnabled) {
            clipOn_ = state.isClipEnabled();
            clipDirty_ = true;
        }
        if (flags & (DirtyClipPath | DirtyClipRegion)) {
            QPainterPath path;
            if (flags & DirtyClipPath)
                path = state.clipPath();
            else
                path.addRegion(state.clipRegion());
            path = total_.map(path);
            switch (state.clipOperation()) {
            case Qt::NoClip: clipOn_ = false; break;
            case Qt::ReplaceClip: clip_ = path; clipOn_ = true; break;
            case Qt::IntersectClip: clip_ = clipOn_ ? clip_.intersected(path) : path; clipOn_ = true; break;
            }
            clipDirty_ = true;
        }
    }

    void drawPath(const QPainterPath& path) override
    {
        const bool fill = brush_.style() != Qt::NoBrush && brush_.color().alpha() > 0;
        const bool stroke = pen_.style() != Qt::NoPen && pen_.color().alpha() > 0;
        if (!fill && !stroke)
            return;
        startDrawing();
        putPath(total_.map(path));
        finishPath(fill, stroke, path.fillRule() == Qt::OddEvenFill);
    }

    void drawRects(const QRectF* rects, int count) override
    {
        const bool fill = brush_.style() != Qt::NoBrush && brush_.color().alpha() > 0;
        const bool stroke = pen_.style() != Qt::NoPen && pen_.color().alpha() > 0;
        if (!fill && !stroke)
            return;
        startDrawing();
        for (int i = 0; i < count; ++i) {
            QPainterPath p;
            p.addRect(rects[i]);
            putPath(total_.map(p));
        }
        finishPath(fill, stroke, false);
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (count < 2)
            return;
        QPainterPath p(points[0]);
        for (int i = 1; i < count; ++i)
            p.lineTo(points[i]);
        const bool fill = mode != PolylineMode && brush_.style() != Qt::NoBrush && brush_.color().alpha() > 0;
        const bool stroke = pen_.style() != Qt::NoPen && pen_.color().alpha() > 0;
        if (mode != PolylineMode)
            p.closeSubpath();
        if (!fill && !stroke)
            return;
        startDrawing();
        putPath(total_.map(p));
        finishPath(fill, stroke, mode == OddEvenMode);
    }

    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override
    {
        drawImage(r, pm.toImage(), sr, Qt::AutoColor);
    }

    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr, Qt::ImageConversionFlags) override
    {
        if (image.isNull() || r.isEmpty())
            return;
        const QImage part = sr.toRect() == image.rect() ? image : image.copy(sr.toRect());
        const int number = imageNumber(part, image.cacheKey(), sr.toRect());
        startDrawing();
        content_ += "q ";
        putMatrix(content_, QTransform(r.width(), 0, 0, -r.height(), r.x(), r.y() + r.height()) * total_);
        content_ += "cm /Im" + std::to_string(number) + " Do Q\n";
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QString text = item.text();
        EmbeddedFont* font = fontFor(item.font());
        if (!font || !glyphRun(p, item, text, *font))
            QPaintEngine::drawTextItem(p, item); // as shapes, through drawPath
    }

    // The content of the page drawn so far; the next page starts empty.
    std::string takePage()
    {
        std::string page = std::move(content_);
        content_.clear();
        content_.reserve(1 << 20);
        content_ += "q\n";
        clipDirty_ = clipOn_;
        fillColor_ = strokeColor_ = QColor();
        lineWidth_ = -1;
        return page + "Q\n";
    }

    std::vector<EmbeddedFont>& fonts() { return fonts_; }
    // Images written as they came, for the writer to store: number -> (object text, data)
    std::vector<std::pair<std::string, QByteArray>>& images() { return images_; }
    std::map<int, int>& imageObjects() { return imageObjects_; }

private:
    // Brings the clip of the page up to the painter's before anything is drawn.
    void startDrawing()
    {
        if (!clipDirty_)
            return;
        content_ += "Q q\n";
        fillColor_ = strokeColor_ = QColor();
        lineWidth_ = -1;
        if (clipOn_) {
            putPath(clip_);
            content_ += clip_.fillRule() == Qt::OddEvenFill ? "W* n\n" : "W n\n";
        }
        clipDirty_ = false;
    }

    void putPath(const QPainterPath& path)
    {
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            put(content_, e.x);
            put(content_, e.y);
            if (e.isMoveTo()) {
                content_ += "m\n";
            } else if (e.isLineTo()) {
                content_ += "l\n";
            } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
                for (int k = 1; k <= 2; ++k) {
                    put(content_, path.elementAt(i + k).x);
                    put(content_, path.elementAt(i + k).y);
                }
                i += 2;
                content_ += "c\n";
            }
        }
    }

    void finishPath(bool fill, bool stroke, bool oddEven)
    {
        if (fill)
            setFill(brush_.color());
        if (stroke) {
            if (strokeColor_ != pen_.color()) {
                putColor(content_, pen_.color(), "RG");
                strokeColor_ = pen_.color();
            }
            const double scale = std::sqrt(std::abs(total_.determinant()));
            const double width = pen_.isCosmetic() ? std::max(pen_.widthF(), 1.0) * std::abs(pageMap_.m11())
                                                   : pen_.widthF() * scale;
            if (width != lineWidth_) {
                put(content_, width);
                content_ += "w\n";
                lineWidth_ = width;
            }
        }
        content_ += fill && stroke ? (oddEven ? "B*\n" : "B\n") : fill ? (oddEven ? "f*\n" : "f\n") : "S\n";
    }

    void setFill(const QColor& c)
    {
        if (fillColor_ != c) {
            putColor(content_, c, "rg");
            fillColor_ = c;
        }
    }

    EmbeddedFont* fontFor(const QFont& qfont)
    {
        if (lastFont_ && qfont == lastQFont_)
            return lastFont_;
        QRawFont raw = QRawFont::fromFont(qfont);
        EmbeddedFont* found = nullptr;
        if (raw.isValid() && !raw.fontTable("glyf").isEmpty()) {
            for (EmbeddedFont& f : fonts_)
                if (f.raw.familyName() == raw.familyName() && f.raw.styleName() == raw.styleName())
                    found = &f;
            if (!found) {
                EmbeddedFont f;
                f.raw = raw;
                f.number = int(fonts_.size()) + 1;
                f.hmtx = raw.fontTable("hmtx");
                const QByteArray hhea = raw.fontTable("hhea"), head = raw.fontTable("head");
                f.metrics = quint16(int16At(hhea, 34));
                f.perEm = std::max(16, int(quint16(int16At(head, 18))));
                fonts_.push_back(std::move(f));
                found = &fonts_.back();
            }
            // Each size of the font has a raw font of its own for its advances.
            rawForSize_ = raw;
        }
        lastQFont_ = qfont;
        lastFont_ = found;
        return found;
    }

    // The item as one run of glyphs at the positions the layout gave them. False
    // when the font does not hold every character, so the caller draws shapes.
    bool glyphRun(const QPointF& p, const QTextItem& item, const QString& text, EmbeddedFont& font)
    {
        const QList<quint32> glyphs = rawForSize_.glyphIndexesForString(text);
        if (glyphs.size() != text.size())
            return false;
        const QList<QPointF> advances = rawForSize_.advancesForGlyphIndexes(glyphs);
        const double size = rawForSize_.pixelSize();
        if (size <= 0)
            return false;
        std::string run;
        run.reserve(std::size_t(glyphs.size()) * 5 + 8);
        run += '[';
        bool open = false;
        double width = 0;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QChar c = text[i];
            quint32 g = glyphs[i];
            double advance = advances[i].x();
            if (g == 0) {
                // Line and paragraph ends and other marks print nothing.
                if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format &&
                    c.category() != QChar::Separator_Line && c.category() != QChar::Separator_Paragraph)
                    return false;
                continue;
            }
            width += advance;
            if (!open) {
                run += '<';
                open = true;
            }
            putHex4(run, g);
            if (g >= font.chars.size())
                font.chars.resize(g + 1);
            font.chars[g] = c.unicode();
            const double adjust = font.width(g) - advance * 1000 / size;
            if (std::abs(adjust) >= 0.05) {
                run += '>';
                open = false;
                put(run, adjust);
            }
        }
        if (std::abs(width - item.width()) > size / 100)
            return false;
        if (open)
            run += '>';
        run += "] TJ\n";
        if (width == 0)
            return true;
        startDrawing();
        setFill(pen_.color());
        content_ += "BT /F" + std::to_string(font.number) + " 1 Tf ";
        putMatrix(content_, QTransform(size, 0, 0, -size, p.x(), p.y()) * total_);
        content_ += "Tm ";
        content_ += run;
        content_ += "ET\n";
        return true;
    }

    int imageNumber(const QImage& image, qint64 key, const QRect& part)
    {
        const auto id = std::make_tuple(key, part.x(), part.y(), part.width(), part.height());
        if (auto it = imageNumbers_.find(id); it != imageNumbers_.end())
            return it->second;
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        QByteArray rgb, alpha;
        rgb.reserve(argb.width() * argb.height() * 3);
        bool opaque = true;
        for (int y = 0; y < argb.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x) {
                rgb.append(char(qRed(line[x]))).append(char(qGreen(line[x]))).append(char(qBlue(line[x])));
                alpha.append(char(qAlpha(line[x])));
                opaque = opaque && qAlpha(line[x]) == 255;
            }
        }
        const int number = int(imageNumbers_.size()) + 1;
        const std::string dims =
            "/Width " + std::to_string(argb.width()) + " /Height " + std::to_string(argb.height());
        images_.push_back({"<< /Type /XObject /Subtype /Image " + dims +
                               " /ColorSpace /DeviceRGB /BitsPerComponent 8" + (opaque ? "" : " /SMask %MASK%"),
                           rgb});
        if (!opaque)
            images_.push_back({"<< /Type /XObject /Subtype /Image " + dims +
                                   " /ColorSpace /DeviceGray /BitsPerComponent 8",
                               alpha});
        imageObjects_[number] = int(images_.size()) - (opaque ? 1 : 2);
        imageNumbers_[id] = number;
        return number;
    }

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

QPaintEngine* PdfDevice::paintEngine() const
{
    return engine_;
}

struct PdfPageWriter::Impl {
    Impl(QSizeF points, double unitsPerPoint)
        : points(points), engine(points, unitsPerPoint), device(&engine, points * unitsPerPoint, unitsPerPoint)
    {
    }

    int reserve()
    {
        offsets.push_back(0);
        return int(offsets.size()) - 1;
    }

    void object(int number, const std::string& body)
    {
        offsets[number] = out.size();
        out += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    }

    void stream(int number, std::string dict, const QByteArray& data)
    {
        const QByteArray packed = qCompress(data).mid(4); // a zlib stream after Qt's length
        offsets[number] = out.size();
        out += std::to_string(number) + " 0 obj\n" + dict + " /Filter /FlateDecode /Length " +
               std::to_string(packed.size()) + " >>\nstream\n";
        out.append(packed.constData(), std::size_t(packed.size()));
        out += "\nendstream\nendobj\n";
    }

    void endPage()
    {
        const std::string content = engine.takePage();
        const int contents = reserve(), page = reserve();
        stream(contents, "<<", QByteArray::fromRawData(content.data(), qsizetype(content.size())));
        std::string box;
        put(box, 0);
        put(box, 0);
        put(box, points.width());
        put(box, points.height());
        object(page, "<< /Type /Page /Parent 2 0 R /MediaBox [" + box + "] /Resources 3 0 R /Contents " +
                         std::to_string(contents) + " 0 R >>");
        pages.push_back(page);
    }

    std::string fontObjects(EmbeddedFont& f)
    {
        std::set<quint32> used;
        for (quint32 g = 0; g < f.chars.size(); ++g)
            if (f.chars[g])
                used.insert(g);
        const QByteArray file = subsetTrueType([&](const char* tag) { return f.raw.fontTable(tag); }, used);
        const int type0 = reserve(), cid = reserve(), descriptor = reserve(), fontFile = reserve(),
                  toUnicode = reserve();
        std::string name;
        for (QChar c : f.raw.familyName() + f.raw.styleName())
            if (c.isLetterOrNumber() && c.unicode() < 128)
                name += char(c.unicode());
        name = "DRVK" + std::string(1, char('A' + f.number / 26 % 26)) + char('A' + f.number % 26) + "+" + name;

        std::string widths;
        for (quint32 g : used) {
            widths += std::to_string(g) + " [";
            put(widths, f.width(g));
            widths += "] ";
        }
        const QByteArray head = f.raw.fontTable("head"), hhea = f.raw.fontTable("hhea");
        auto em = [&](qint32 v) { return std::to_string(std::lround(v * 1000.0 / f.perEm)); };
        object(type0, "<< /Type /Font /Subtype /Type0 /BaseFont /" + name + " /Encoding /Identity-H /DescendantFonts [" +
                          std::to_string(cid) + " 0 R] /ToUnicode " + std::to_string(toUnicode) + " 0 R >>");
        object(cid, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
                        " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor " +
                        std::to_string(descriptor) + " 0 R /CIDToGIDMap /Identity /W [" + widths + "] >>");
        object(descriptor, "<< /Type /FontDescriptor /FontName /" + name + " /Flags 32 /FontBBox [" +
                               em(int16At(head, 36)) + " " + em(int16At(head, 38)) + " " + em(int16At(head, 40)) +
                               " " + em(int16At(head, 42)) + "] /ItalicAngle 0 /Ascent " + em(int16At(hhea, 4)) +
                               " /Descent " + em(int16At(hhea, 6)) + " /CapHeight " + em(int16At(hhea, 4)) +
                               " /StemV 80 /FontFile2 " + std::to_string(fontFile) + " 0 R >>");
        stream(fontFile, "<< /Length1 " + std::to_string(file.size()), file);

        // The characters behind each glyph, for copying text and searching it.
        std::string cmap = "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n"
                           "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                           "/CMapName /Adobe-Identity-UCS def /CMapType 2 def\n"
                           "1 begincodespacerange <0000> <FFFF> endcodespacerange\n";
        const std::vector<quint32> all(used.begin(), used.end());
        for (std::size_t i = 0; i < all.size(); i += 100) {
            const std::size_t n = std::min<std::size_t>(100, all.size() - i);
            cmap += std::to_string(n) + " beginbfchar\n";
            for (std::size_t k = i; k < i + n; ++k) {
                cmap += '<';
                putHex4(cmap, all[k]);
                cmap += "> <";
                putHex4(cmap, f.chars[all[k]]);
                cmap += ">\n";
            }
            cmap += "endbfchar\n";
        }
        cmap += "endcmap CMapName currentdict /CMap defineresource pop end end\n";
        stream(toUnicode, "<<", QByteArray::fromStdString(cmap));
        return "/F" + std::to_string(f.number) + " " + std::to_string(type0) + " 0 R ";
    }

    QSizeF points;
    PdfEngine engine;
    PdfDevice device;
    std::string out = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
    std::vector<std::size_t> offsets{0, 0, 0, 0, 0}; // 0 free; 1 catalog, 2 pages, 3 resources, 4 info
    std::vector<int> pages;
    std::string creator;
};

// Paper sizes in whole points, as printers and readers name them (A4: 595 x 842).
PdfPageWriter::PdfPageWriter(QSizeF pagePoints, double unitsPerPoint, const std::string& creator)
    : d_(std::make_unique<Impl>(QSizeF(std::round(pagePoints.width()), std::round(pagePoints.height())),
                                unitsPerPoint))
{
    d_->creator = creator;
}

PdfPageWriter::~PdfPageWriter() = default;

QPaintDevice* PdfPageWriter::device()
{
    return &d_->device;
}

void PdfPageWriter::newPage()
{
    d_->endPage();
}

QByteArray PdfPageWriter::finish()
{
    Impl& d = *d_;
    d.endPage();
    std::string fonts;
    for (EmbeddedFont& f : d.engine.fonts())
        if (!f.chars.empty())
            fonts += d.fontObjects(f);
    // Images, each with its transparency as a mask of its own.
    auto& images = d.engine.images();
    std::vector<int> numbers;
    for (std::size_t i = 0; i < images.size(); ++i)
        numbers.push_back(d.reserve());
    for (std::size_t i = 0; i < images.size(); ++i) {
        std::string dict = images[i].first;
        if (auto at = dict.find("%MASK%"); at != std::string::npos)
            dict.replace(at, 6, std::to_string(numbers[i + 1]) + " 0 R");
        d.stream(numbers[i], dict, images[i].second);
    }
    std::string xobjects;
    for (const auto& [number, index] : d.engine.imageObjects())
        xobjects += "/Im" + std::to_string(number) + " " + std::to_string(numbers[std::size_t(index)]) + " 0 R ";
    d.object(3, "<< /Font << " + fonts + ">> /XObject << " + xobjects + ">> /ProcSet [/PDF /Text /ImageC] >>");
    std::string kids;
    for (int p : d.pages)
        kids += std::to_string(p) + " 0 R ";
    d.object(2, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(d.pages.size()) + " >>");
    d.object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    std::string creator;
    for (char c : d.creator)
        if (c != '(' && c != ')' && c != '\\')
            creator += c;
    d.object(4, "<< /Creator (" + creator + ") /Producer (" + creator + ") >>");

    const std::size_t xref = d.out.size();
    d.out += "xref\n0 " + std::to_string(d.offsets.size()) + "\n0000000000 65535 f \n";
    char line[24];
    for (std::size_t i = 1; i < d.offsets.size(); ++i) {
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", d.offsets[i]);
        d.out += line;
    }
    d.out += "trailer\n<< /Size " + std::to_string(d.offsets.size()) + " /Root 1 0 R /Info 4 0 R >>\nstartxref\n" +
             std::to_string(xref) + "\n%%EOF\n";
    return QByteArray::fromStdString(d.out);
}

} // namespace dravik::render
