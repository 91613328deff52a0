#include "render/PdfPaintEngine.h"

#include <QImage>
#include <QPixmap>

#include <charconv>
#include <cmath>

namespace dravik::render {

namespace {

void putColor(std::string& out, const QColor& c, const char* op)
{
    put(out, c.redF());
    put(out, c.greenF());
    put(out, c.blueF());
    out += op;
    out += '\n';
}

} // namespace

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

qint32 int16At(const QByteArray& b, qsizetype at)
{
    return at + 2 <= b.size() ? qint16(quint16(quint8(b[at]) << 8 | quint8(b[at + 1]))) : 0;
}

void PdfEngine::updateState(const QPaintEngineState& state)
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

void PdfEngine::drawPath(const QPainterPath& path)
{
    paintPath(path, true, path.fillRule() == Qt::OddEvenFill);
}

void PdfEngine::drawRects(const QRectF* rects, int count)
{
    QPainterPath p;
    for (int i = 0; i < count; ++i)
        p.addRect(rects[i]);
    paintPath(p, true, false);
}

void PdfEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode)
{
    if (count < 2)
        return;
    QPainterPath p(points[0]);
    for (int i = 1; i < count; ++i)
        p.lineTo(points[i]);
    if (mode != PolylineMode)
        p.closeSubpath();
    paintPath(p, mode != PolylineMode, mode == OddEvenMode);
}

void PdfEngine::paintPath(const QPainterPath& path, bool mayFill, bool oddEven)
{
    const bool fill = mayFill && brush_.style() != Qt::NoBrush && brush_.color().alpha() > 0;
    const bool stroke = pen_.style() != Qt::NoPen && pen_.color().alpha() > 0;
    if (!fill && !stroke)
        return;
    startDrawing();
    putPath(total_.map(path));
    finishPath(fill, stroke, oddEven);
}

void PdfEngine::drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr)
{
    // Keyed by the pixmap, so a picture drawn on every page is stored once.
    drawPicture(r, pm.toImage(), pm.cacheKey(), sr);
}

void PdfEngine::drawImage(const QRectF& r, const QImage& image, const QRectF& sr, Qt::ImageConversionFlags)
{
    drawPicture(r, image, image.cacheKey(), sr);
}

void PdfEngine::drawPicture(const QRectF& r, const QImage& image, qint64 key, const QRectF& sr)
{
    if (image.isNull() || r.isEmpty())
        return;
    const QImage part = sr.toRect() == image.rect() ? image : image.copy(sr.toRect());
    const int number = imageNumber(part, key, sr.toRect());
    startDrawing();
    content_ += "q ";
    putMatrix(content_, QTransform(r.width(), 0, 0, -r.height(), r.x(), r.y() + r.height()) * total_);
    content_ += "cm /Im" + std::to_string(number) + " Do Q\n";
}

void PdfEngine::drawTextItem(const QPointF& p, const QTextItem& item)
{
    const QString text = item.text();
    EmbeddedFont* font = fontFor(item.font());
    if (!font || !glyphRun(p, item, text, *font))
        QPaintEngine::drawTextItem(p, item); // as shapes, through drawPath
}

std::string PdfEngine::takePage()
{
    content_ += "Q\n";
    std::string page = std::move(content_);
    content_.clear();
    content_.reserve(1 << 20);
    content_ += "q\n";
    clipDirty_ = clipOn_;
    fillColor_ = strokeColor_ = QColor();
    lineWidth_ = -1;
    return page;
}

void PdfEngine::startDrawing()
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

void PdfEngine::putPath(const QPainterPath& path)
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

void PdfEngine::finishPath(bool fill, bool stroke, bool oddEven)
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

void PdfEngine::setFill(const QColor& c)
{
    if (fillColor_ != c) {
        putColor(content_, c, "rg");
        fillColor_ = c;
    }
}

EmbeddedFont* PdfEngine::fontFor(const QFont& qfont)
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

bool PdfEngine::glyphRun(const QPointF& p, const QTextItem& item, const QString& text, EmbeddedFont& font)
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

int PdfEngine::imageNumber(const QImage& image, qint64 key, const QRect& part)
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

QPaintEngine* PdfDevice::paintEngine() const
{
    return engine_;
}

} // namespace dravik::render
