// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/TextDocumentBuilder.h"

#include "printing/TableFormat.h"
#include "render/Render.h"
#include "render/TextDefaults.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextObjectInterface>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <variant>

namespace dravik::render {

using printing::Align;
using printing::Block;
using printing::Document;
using printing::Paragraph;
using printing::Picture;
using printing::Table;

QPaintDevice* referenceDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = static_cast<int>(std::lround(kLayoutDpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

QFont documentFont(double points)
{
    QFont font;
    font.setFamilies({QString::fromLatin1(kFontFamily), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    // No ligatures: text copied or extracted from the PDF reads as it was written.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPixelSize(layoutPixels(points > 0 ? points : 12));
    return font;
}

std::vector<std::string> textLines(const std::string& text)
{
    std::string t;
    t.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            t += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            t += text[i];
        }
    }
    if (!t.empty() && t.back() == '\n')
        t.pop_back();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t nl; (nl = t.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(t.substr(start, nl - start));
    lines.push_back(t.substr(start));
    return lines;
}

namespace {

// Qt reads the lengths in formats (margins, tab stops, column widths, padding) as
// pixels of its default screen resolution and scales them to the device; our own
// picture objects give their size in device pixels.

// Draws pictures into the box the document gives them, in the document's own units
// (QTextImageFormat scales by the screen's resolution, which the layout must not depend on).
// A picture placed above the top margin takes room only below it and is drawn raised.
constexpr int kPictureObject = QTextFormat::UserObject + 1;
constexpr int kPictureImage = QTextFormat::UserProperty + 1;
constexpr int kPictureWidth = QTextFormat::UserProperty + 2;
constexpr int kPictureHeight = QTextFormat::UserProperty + 3;
constexpr int kPictureRaise = QTextFormat::UserProperty + 4;

class PictureHandler : public QObject, public QTextObjectInterface {
public:
    explicit PictureHandler(QObject* parent) : QObject(parent) {}

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override
    {
        return {format.doubleProperty(kPictureWidth),
                format.doubleProperty(kPictureHeight) - format.doubleProperty(kPictureRaise)};
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override
    {
        const QImage image = format.property(kPictureImage).value<QImage>();
        if (image.isNull())
            return;
        const QRectF box(rect.x(), rect.y() - format.doubleProperty(kPictureRaise), rect.width(),
                         format.doubleProperty(kPictureHeight));
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(box, image);
        painter->restore();
    }
    // The class has no moc step; answering the interface's id is what qobject_cast needs
    // for registerHandler to accept it.
    void* qt_metacast(const char* name) override
    {
        if (name && qstrcmp(name, qobject_interface_iid<QTextObjectInterface*>()) == 0)
            return static_cast<QTextObjectInterface*>(this);
        return QObject::qt_metacast(name);
    }
};

// Text that ends just short of a default tab stop would touch the next column: a
// space before each tab keeps at least that much between them. Tab columns are
// measured with their gap and need none.
QString lineText(const std::string& line, bool spaceBeforeTab)
{
    QString t = QString::fromStdString(line);
    if (spaceBeforeTab)
        t.replace(QLatin1String("\t"), QLatin1String(" \t"));
    return t;
}

// Pictures print at no more than this many dots per inch of their box.
constexpr double kPictureDpi = 300;

QImage loadPicture(const Picture& picture)
{
    if (picture.source == Picture::Source::ProgramLogo)
        return programLogo();
    if (picture.file.empty())
        return {};
    QImage image(QString::fromStdString(picture.file));
    // A photograph of thousands of pixels in a logo's box would make every file that
    // holds it megabytes large for nothing the paper can show.
    const QSize most(std::max(1, static_cast<int>(std::lround(picture.widthCm / kCmPerInch * kPictureDpi))),
                     std::max(1, static_cast<int>(std::lround(picture.heightCm / kCmPerInch * kPictureDpi))));
    if (!image.isNull() && (image.width() > most.width() || image.height() > most.height()))
        image = image.scaled(most.boundedTo(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

Qt::Alignment alignmentOf(Align a)
{
    switch (a) {
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignAbsolute;
}

int fieldCount(const std::string& line)
{
    return static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1;
}

// Fills a QTextDocument from the model, block after block at the end of the document.
class Builder {
public:
    Builder(QTextDocument& target, const QPageLayout& page, const TabColumns& tabs)
        : cursor_(&target), tabColumns_(tabs)
    {
        const QRectF full = page.fullRect(QPageLayout::Millimeter);
        const QMarginsF m = page.margins(QPageLayout::Millimeter);
        contentWidthCm_ = (full.width() - m.left() - m.right()) / 10.0;
        marginLeftCm_ = m.left() / 10.0;
        marginTopCm_ = m.top() / 10.0;
        for (double x = kTabStopCm; x < contentWidthCm_; x += kTabStopCm)
            tabs_.append(QTextOption::Tab(x * kDevicePerCm, QTextOption::LeftTab));
        // Text carries no font of its own unless it differs from the document's: Qt then
        // finds the document font's engine at once instead of looking it up per line.
        defaultPixels_ = target.defaultFont().pixelSize();
        cursor_.movePosition(QTextCursor::Start);
        cursor_.setBlockFormat(blockFormat());
        cursor_.setBlockCharFormat(charFormat_);
    }

    void add(const std::vector<Block>& blocks)
    {
        // One edit block: the layout runs once at the end instead of after every cell.
        cursor_.beginEditBlock();
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const Block& b = blocks[i];
            if (const auto* p = std::get_if<Paragraph>(&b)) {
                paragraph(*p);
            } else if (const auto* t = std::get_if<Table>(&b)) {
                table(*t);
            } else if (std::holds_alternative<Picture>(b)) {
                // Pictures side by side (the two logos of a page heading) share one line.
                std::vector<const Picture*> row;
                for (; i < blocks.size() && std::holds_alternative<Picture>(blocks[i]); ++i)
                    row.push_back(&std::get<Picture>(blocks[i]));
                --i;
                pictures(row);
            } else {
                pageBreak();
            }
        }
        // A page break at the very end still opens its (empty) page.
        if (pendingBreak_)
            startBlock(blockFormat());
        // Pages are drawn from the glyphs their layout shaped, not shaped again.
        for (QTextBlock b = cursor_.document()->begin(); b.isValid(); b = b.next())
            b.layout()->setCacheEnabled(true);
        cursor_.endEditBlock();
    }

private:
    QTextBlockFormat blockFormat() const
    {
        QTextBlockFormat f;
        f.setTopMargin(0);
        f.setBottomMargin(0);
        f.setLeftMargin(0);
        f.setRightMargin(0);
        f.setTabPositions(tabs_);
        // Lines read left to right whatever script starts them: a line of names that
        // begins with an Arabic name keeps the names in their order, the Arabic name
        // itself right to left.
        f.setLayoutDirection(Qt::LeftToRight);
        return f;
    }

    // Starts a block for new content: the free block the cursor is in, else a new one.
    void startBlock(QTextBlockFormat format)
    {
        if (pendingBreak_) {
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            pendingBreak_ = false;
        }
        if (blockFree_)
            cursor_.setBlockFormat(format);
        else
            cursor_.insertBlock(format, charFormat_);
        blockFree_ = false;
    }

    void pageBreak()
    {
        if (!contentSeen_)
            return; // a document does not begin with an empty page
        if (pendingBreak_)
            startBlock(blockFormat()); // two breaks in a row leave an empty page
        pendingBreak_ = true;
    }

    void paragraph(const Paragraph& p)
    {
        contentSeen_ = true;
        for (const std::string& line : textLines(p.text)) {
            startBlock(blockFormat());
            cursor_.insertText(lineText(line, true), charFormat_);
        }
    }

    void pictures(const std::vector<const Picture*>& row)
    {
        struct Placed {
            const Picture* picture;
            QImage image;
        };
        std::vector<Placed> shown;
        for (const Picture* p : row) {
            QImage image = picture(*p);
            if (!image.isNull())
                shown.push_back({p, std::move(image)});
        }
        contentSeen_ = true;
        if (shown.empty())
            return; // a missing picture takes no room
        std::stable_sort(shown.begin(), shown.end(),
                         [](const Placed& a, const Placed& b) { return a.picture->leftCm < b.picture->leftCm; });

        // Each picture starts at its own tab stop, measured from the left margin.
        QTextBlockFormat format = blockFormat();
        QList<QTextOption::Tab> stops;
        double top = shown.front().picture->topCm;
        for (const Placed& s : shown) {
            const double x = s.picture->leftCm - marginLeftCm_;
            if (x > 0)
                stops.append(QTextOption::Tab(x * kDevicePerCm, QTextOption::LeftTab));
            top = std::min(top, s.picture->topCm);
        }
        format.setTabPositions(stops);
        format.setTopMargin(std::max(0.0, top - marginTopCm_) * kDevicePerCm);
        startBlock(format);
        // Pictures placed in the top margin stand there, as on the page they were
        // placed on, and take room below the margin only.
        const double raiseCm = std::max(0.0, marginTopCm_ - top);
        for (const Placed& s : shown) {
            if (s.picture->leftCm - marginLeftCm_ > 0)
                cursor_.insertText(QStringLiteral("\t"), charFormat_);
            insertPicture(*s.picture, s.image, raiseCm);
        }
    }

    // A picture is read once for a document: the same image on every page it heads,
    // which the PDF file then stores once.
    QImage picture(const Picture& p)
    {
        const PictureKey key{p.source, p.file, p.widthCm, p.heightCm};
        auto it = pictures_.find(key);
        if (it == pictures_.end())
            it = pictures_.emplace(key, loadPicture(p)).first;
        return it->second;
    }

    void insertPicture(const Picture& p, const QImage& image, double raiseCm)
    {
        const double h = p.heightCm * kDevicePerCm;
        QTextCharFormat f;
        f.setObjectType(kPictureObject);
        f.setProperty(kPictureImage, image);
        f.setProperty(kPictureWidth, p.widthCm * kDevicePerCm);
        f.setProperty(kPictureHeight, h);
        f.setProperty(kPictureRaise, std::min(h, raiseCm * kDevicePerCm));
        cursor_.insertText(QString(QChar::ObjectReplacementCharacter), f);
    }

    void table(const Table& t)
    {
        contentSeen_ = true;
        // Columns wider than the page together are narrowed in proportion to fit it.
        const std::vector<printing::Column> columns = printing::laidOutColumns(t, contentWidthCm_).columns;
        QList<QTextLength> widths;
        for (const auto& c : columns)
            widths.append(QTextLength(QTextLength::FixedLength, c.widthCm * kDevicePerCm));

        // A table needs a block of its own before it for a page break to start on.
        if (pendingBreak_)
            startBlock(blockFormat());

        const bool hasHeader = !t.header.empty();
        QTextTableFormat format;
        format.setColumnWidthConstraints(widths);
        format.setHeaderRowCount(hasHeader ? 1 : 0);
        format.setAlignment(Qt::AlignLeft);
        format.setBorder(kCellBorderPt * kDevicePerPoint);
        format.setBorderBrush(QBrush(Qt::black));
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellSpacing(0);
        // Cells pad their text a little above and below, more at the sides.
        format.setCellPadding(kCellPaddingTopPt * kDevicePerPoint);
        format.setMargin(0);

        const int rows = static_cast<int>(t.rows.size()) + (hasHeader ? 1 : 0);
        const int cols = static_cast<int>(columns.size());
        // An empty table still prints its frame: one empty row.
        QTextTable* table = cursor_.insertTable(std::max(rows, 1), cols, format);
        QTextCharFormat chars = charFormat_;
        if (t.fontSize > 0 && layoutPixels(t.fontSize) != defaultPixels_)
            chars.setProperty(QTextFormat::FontPixelSize, layoutPixels(t.fontSize));
        QTextCharFormat bold = chars;
        bold.setFontWeight(QFont::Bold);
        int r = 0;
        if (hasHeader)
            fillRow(*table, r++, t.header, columns, bold, false);
        for (const auto& row : t.rows)
            fillRow(*table, r++, row, columns, chars, t.tabColumns);

        cursor_.movePosition(QTextCursor::End);
        blockFree_ = true;
    }

    void fillRow(QTextTable& table, int r, const std::vector<std::string>& cells,
                 const std::vector<printing::Column>& columns, const QTextCharFormat& chars, bool tabColumns)
    {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            QTextTableCell cell = table.cellAt(r, static_cast<int>(c));
            // The cell's own format is the character format at its start: the
            // padding at its sides and the table's text size, so an empty cell is no taller.
            QTextTableCellFormat cellFormat;
            cellFormat.merge(chars);
            cellFormat.setLeftPadding(kCellPaddingSidePt * kDevicePerPoint);
            cellFormat.setRightPadding(kCellPaddingSidePt * kDevicePerPoint);
            QTextBlockFormat format = blockFormat();
            format.setAlignment(alignmentOf(columns[c].align));
            QTextCursor at = cell.firstCursorPosition();
            at.setBlockFormat(format);
            at.setBlockCharFormat(cellFormat);
            if (c >= cells.size())
                continue;
            bool first = true;
            for (const std::string& line : textLines(cells[c])) {
                QTextBlockFormat lineFormat = format;
                const auto stops = tabColumns ? tabColumns_.find(fieldCount(line)) : tabColumns_.end();
                if (stops != tabColumns_.end()) {
                    QList<QTextOption::Tab> tabs;
                    for (double x : stops->second)
                        tabs.append(QTextOption::Tab(x * kDevicePerCm, QTextOption::LeftTab));
                    lineFormat.setTabPositions(tabs);
                }
                if (first)
                    at.setBlockFormat(lineFormat);
                else
                    at.insertBlock(lineFormat, chars);
                first = false;
                at.insertText(lineText(line, stops == tabColumns_.end()), chars);
            }
        }
    }

    using PictureKey = std::tuple<Picture::Source, std::string, double, double>;
    std::map<PictureKey, QImage> pictures_;
    QTextCursor cursor_;
    const TabColumns& tabColumns_;
    QTextCharFormat charFormat_;
    int defaultPixels_ = 0;
    QList<QTextOption::Tab> tabs_;
    double contentWidthCm_ = 18;
    double marginLeftCm_ = 0, marginTopCm_ = 0;
    bool blockFree_ = true;     // the cursor's block is empty and still unused
    bool pendingBreak_ = false; // the next block starts a new page
    bool contentSeen_ = false;
};

} // namespace

int pagesStarted(const Document& doc)
{
    int pages = 1;
    bool contentSeen = false, pendingBreak = false;
    for (const Block& b : doc.blocks()) {
        if (std::holds_alternative<printing::PageBreak>(b)) {
            if (!contentSeen)
                continue;
            if (pendingBreak)
                ++pages;
            pendingBreak = true;
        } else {
            contentSeen = true;
            if (pendingBreak)
                ++pages;
            pendingBreak = false;
        }
    }
    return pages + (pendingBreak ? 1 : 0);
}

std::unique_ptr<QTextDocument> buildTextDocument(const Document& doc, const QPageLayout& page, const TabColumns& tabs,
                                                 bool paged)
{
    auto out = std::make_unique<QTextDocument>();
    out->setUndoRedoEnabled(false);
    // No paint device: Qt takes format lengths and font sizes as layout units, whatever the screen.
    out->documentLayout()->registerHandler(kPictureObject, new PictureHandler(out.get()));
    out->setDefaultFont(documentFont(doc.fontSize()));
    // Text breaks between words only; a word wider than its column stands out of it
    // rather than breaking ("08:0" / "0").
    QTextOption option = out->defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    out->setDefaultTextOption(option);
    QTextFrameFormat root = out->rootFrame()->frameFormat();
    const QRectF full = page.fullRect(QPageLayout::Millimeter);
    const QMarginsF m = page.margins(QPageLayout::Millimeter);
    const double perMm = kDevicePerCm / 10.0;
    const double height = paged ? full.height() : 1e6;
    out->setPageSize(QSizeF(full.width(), height) * (kDevicePerCm / 10.0));
    root.setLeftMargin(m.left() * perMm);
    root.setRightMargin(m.right() * perMm);
    root.setTopMargin(m.top() * perMm);
    root.setBottomMargin(m.bottom() * perMm);
    out->rootFrame()->setFrameFormat(root);

    Builder builder(*out, page, tabs);
    builder.add(doc.blocks());
    return out;
}

} // namespace dravik::render
