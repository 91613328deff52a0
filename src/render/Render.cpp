#include "render/Render.h"

#include "render/OdtWriter.h"
#include "render/TextDefaults.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextObjectInterface>
#include <QTextTable>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <stdexcept>
#include <variant>

#include <sys/stat.h>
#include <unistd.h>

namespace dravik::render {

using printing::Align;
using printing::Block;
using printing::Document;
using printing::Orientation;
using printing::PageBreak;
using printing::Paragraph;
using printing::Picture;
using printing::Table;

namespace {

// Pages are laid out against a fixed high-resolution reference instead of the screen,
// so the preview, the printer and PDF break pages in the same places on every machine.
constexpr double kLayoutDpi = 1200;
constexpr double kCmPerInch = 2.54;

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

// How lengths become document units. Qt lays a document out in pixels of its paint
// device (our 1200 dpi reference) but reads the lengths in formats (margins, tab stops,
// column widths, padding) as pixels of its default screen resolution and scales them;
// our own picture objects give their size in device pixels.
struct Units {
    double perCm = 96.0 / kCmPerInch; // format lengths
    double devicePerCm = kLayoutDpi / kCmPerInch;

    double perPoint() const { return perCm * kCmPerInch / 72.0; }
};

// The resolution Qt reads format lengths in, measured rather than assumed: it follows
// the primary screen, which differs between desktops.
double formatDpi()
{
    QTextDocument probe;
    probe.documentLayout()->setPaintDevice(referenceDevice());
    probe.setDocumentMargin(1000);
    probe.setPlainText(QStringLiteral("x"));
    const double x = probe.documentLayout()->blockBoundingRect(probe.begin()).x();
    return x > 0 ? kLayoutDpi * 1000.0 / x : 96.0;
}

Units layoutUnits()
{
    const double dpi = formatDpi();
    return {dpi / kCmPerInch, kLayoutDpi / kCmPerInch};
}

// Draws pictures into the box the document gives them, in the document's own units
// (QTextImageFormat scales by the screen's resolution, which the layout must not depend on).
constexpr int kPictureObject = QTextFormat::UserObject + 1;
constexpr int kPictureImage = QTextFormat::UserProperty + 1;
constexpr int kPictureWidth = QTextFormat::UserProperty + 2;
constexpr int kPictureHeight = QTextFormat::UserProperty + 3;

class PictureHandler : public QObject, public QTextObjectInterface {
public:
    explicit PictureHandler(QObject* parent) : QObject(parent) {}

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override
    {
        return {format.doubleProperty(kPictureWidth), format.doubleProperty(kPictureHeight)};
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override
    {
        const QImage image = format.property(kPictureImage).value<QImage>();
        if (!image.isNull()) {
            painter->save();
            painter->setRenderHint(QPainter::SmoothPixmapTransform);
            painter->drawImage(rect, image);
            painter->restore();
        }
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

QStringList linesOf(const std::string& text)
{
    QString t = QString::fromStdString(text);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // A closing line break ends the last line; it adds no empty line of its own,
    // so "\n" alone is one empty line.
    if (t.endsWith(QLatin1Char('\n')))
        t.chop(1);
    // Text that ends just short of a tab stop would touch the next column: a space
    // before each tab keeps at least that much between them.
    t.replace(QLatin1String("\t"), QLatin1String(" \t"));
    return t.split(QLatin1Char('\n'));
}

QImage loadPicture(const Picture& picture)
{
    if (picture.source == Picture::Source::ProgramLogo)
        return programLogo();
    if (picture.file.empty())
        return {};
    return QImage(QString::fromStdString(picture.file));
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

// Fills a QTextDocument from the model, block after block at the end of the document.
class Builder {
public:
    // nominalPoints is the document's own font size, before any shrinking to fit.
    Builder(QTextDocument& target, const Units& units, const QPageLayout& page, double nominalPoints)
        : units_(units), cursor_(&target), nominalPoints_(nominalPoints > 0 ? nominalPoints : 12)
    {
        const QRectF full = page.fullRect(QPageLayout::Millimeter);
        const QMarginsF m = page.margins(QPageLayout::Millimeter);
        contentWidthCm_ = (full.width() - m.left() - m.right()) / 10.0;
        marginLeftCm_ = m.left() / 10.0;
        marginTopCm_ = m.top() / 10.0;
        for (double x = kTabStopCm; x < contentWidthCm_; x += kTabStopCm)
            tabs_.append(QTextOption::Tab(x * units_.perCm, QTextOption::LeftTab));
        // The font goes on every piece of text, not only as the document's default: a
        // table's own size is set against it.
        const QFont font = target.defaultFont();
        charFormat_.setFontFamilies(font.families());
        charFormat_.setFontPointSize(font.pointSizeF());
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
        for (const QString& line : linesOf(p.text)) {
            startBlock(blockFormat());
            cursor_.insertText(line, charFormat_);
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
            QImage image = loadPicture(*p);
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
                stops.append(QTextOption::Tab(x * units_.perCm, QTextOption::LeftTab));
            top = std::min(top, s.picture->topCm);
        }
        format.setTabPositions(stops);
        format.setTopMargin(std::max(0.0, top - marginTopCm_) * units_.perCm);
        startBlock(format);
        for (const Placed& s : shown) {
            if (s.picture->leftCm - marginLeftCm_ > 0)
                cursor_.insertText(QStringLiteral("\t"), charFormat_);
            insertPicture(*s.picture, s.image);
        }
    }

    void insertPicture(const Picture& p, const QImage& image)
    {
        const double w = p.widthCm * units_.devicePerCm, h = p.heightCm * units_.devicePerCm;
        QTextCharFormat f;
        f.setObjectType(kPictureObject);
        f.setProperty(kPictureImage, image);
        f.setProperty(kPictureWidth, w);
        f.setProperty(kPictureHeight, h);
        cursor_.insertText(QString(QChar::ObjectReplacementCharacter), f);
    }

    void table(const Table& t)
    {
        contentSeen_ = true;
        std::vector<printing::Column> columns = t.columns;
        std::size_t cells = t.header.size();
        for (const auto& row : t.rows)
            cells = std::max(cells, row.size());
        if (columns.empty())
            columns.resize(std::max<std::size_t>(cells, 1));

        // Columns wider than the page together are narrowed in proportion to fit it.
        double totalCm = 0;
        for (const auto& c : columns)
            totalCm += c.widthCm;
        const double fit = totalCm > contentWidthCm_ && totalCm > 0 ? contentWidthCm_ / totalCm : 1.0;
        QList<QTextLength> widths;
        for (const auto& c : columns)
            widths.append(QTextLength(QTextLength::FixedLength, c.widthCm * fit * units_.perCm));

        // A table needs a block of its own before it for a page break to start on.
        if (pendingBreak_)
            startBlock(blockFormat());

        const bool hasHeader = !t.header.empty();
        QTextTableFormat format;
        format.setColumnWidthConstraints(widths);
        format.setHeaderRowCount(hasHeader ? 1 : 0);
        format.setAlignment(Qt::AlignLeft);
        format.setBorder(0.5 * units_.perPoint());
        format.setBorderBrush(QBrush(Qt::black));
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellSpacing(0);
        format.setCellPadding(1.5 * units_.perPoint());
        format.setMargin(0);

        const int rows = static_cast<int>(t.rows.size()) + (hasHeader ? 1 : 0);
        const int cols = static_cast<int>(columns.size());
        // An empty table still prints its frame: one empty row.
        QTextTable* table = cursor_.insertTable(std::max(rows, 1), cols, format);
        // A table may print smaller than the text around it; the document's size is
        // scaled by the same factor as the text when a page must shrink to one sheet.
        QTextCharFormat chars = charFormat_;
        if (t.fontSize > 0)
            chars.setFontPointSize(t.fontSize * charFormat_.fontPointSize() / nominalPoints_);
        QTextCharFormat bold = chars;
        bold.setFontWeight(QFont::Bold);
        int r = 0;
        if (hasHeader)
            fillRow(*table, r++, t.header, columns, bold);
        for (const auto& row : t.rows)
            fillRow(*table, r++, row, columns, chars);

        cursor_.movePosition(QTextCursor::End);
        blockFree_ = true;
    }

    void fillRow(QTextTable& table, int r, const std::vector<std::string>& cells,
                 const std::vector<printing::Column>& columns, const QTextCharFormat& chars)
    {
        const std::size_t n = std::min(cells.size(), columns.size());
        for (std::size_t c = 0; c < n; ++c) {
            QTextBlockFormat format = blockFormat();
            format.setAlignment(alignmentOf(columns[c].align));
            QTextCursor cell = table.cellAt(r, static_cast<int>(c)).firstCursorPosition();
            bool first = true;
            for (const QString& line : linesOf(cells[c])) {
                if (first)
                    cell.setBlockFormat(format);
                else
                    cell.insertBlock(format, chars);
                first = false;
                cell.insertText(line, chars);
            }
        }
    }

    Units units_;
    QTextCursor cursor_;
    QTextCharFormat charFormat_;
    QList<QTextOption::Tab> tabs_;
    double contentWidthCm_ = 18;
    double marginLeftCm_ = 0, marginTopCm_ = 0;
    bool blockFree_ = true;     // the cursor's block is empty and still unused
    bool pendingBreak_ = false; // the next block starts a new page
    bool contentSeen_ = false;
    double nominalPoints_ = 12;
};

QFont documentFont(double points)
{
    QFont font;
    font.setFamilies({QString::fromLatin1(kFontFamily), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    // No ligatures: text copied or extracted from the PDF reads as it was written.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points > 0 ? points : 12);
    return font;
}

std::unique_ptr<QTextDocument> buildDocument(const Document& doc, const QPageLayout& page, const Units& units,
                                             double fontPoints = 0)
{
    auto out = std::make_unique<QTextDocument>();
    out->setUndoRedoEnabled(false);
    out->documentLayout()->setPaintDevice(referenceDevice());
    out->documentLayout()->registerHandler(kPictureObject, new PictureHandler(out.get()));
    out->setDefaultFont(documentFont(fontPoints > 0 ? fontPoints : doc.fontSize()));
    QTextFrameFormat root = out->rootFrame()->frameFormat();
    const QRectF full = page.fullRect(QPageLayout::Millimeter);
    const QMarginsF m = page.margins(QPageLayout::Millimeter);
    const double perMm = units.perCm / 10.0;
    out->setPageSize(QSizeF(full.width(), full.height()) * (units.devicePerCm / 10.0));
    root.setLeftMargin(m.left() * perMm);
    root.setRightMargin(m.right() * perMm);
    root.setTopMargin(m.top() * perMm);
    root.setBottomMargin(m.bottom() * perMm);
    out->rootFrame()->setFrameFormat(root);

    Builder builder(*out, units, page, doc.fontSize());
    builder.add(doc.blocks());
    return out;
}

std::runtime_error writeError(const std::string& path, const QString& reason)
{
    return std::runtime_error("Cannot write \"" + path + "\": " + reason.toStdString() + ".");
}

// Checks what can be named before writing: the folder must exist.
void checkFolder(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    const QDir folder = info.absoluteDir();
    if (!folder.exists())
        throw writeError(path, QStringLiteral("the folder \"%1\" does not exist").arg(folder.path()));
    if (info.isDir())
        throw writeError(path, QStringLiteral("it is a folder"));
}

// Writes the whole file or nothing: an existing file is replaced only by a complete one.
void saveFile(const std::string& path, const QByteArray& data)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        throw writeError(path, file.errorString());
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw writeError(path, reason);
    }
    if (!file.commit())
        throw writeError(path, file.errorString());
}

void requireGui()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw std::runtime_error("Laying out a printout needs a QGuiApplication; none was created.");
}

} // namespace

// A new QGuiApplication when the process has none, else null.
static std::unique_ptr<QGuiApplication> ensureGuiApplication()
{
    if (QCoreApplication* app = QCoreApplication::instance()) {
        if (!qobject_cast<QGuiApplication*>(app))
            throw std::runtime_error("The program runs a QCoreApplication; printouts need a QGuiApplication.");
        return nullptr;
    }
    // Nothing here opens a window: the offscreen platform needs no display and gives
    // the same fonts (unless the user chose a platform).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a login session there is no runtime folder; Qt would warn on every
    // run and then use this same private folder.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const std::string runtime = "/tmp/runtime-" + std::to_string(::getuid());
        struct stat st {};
        if ((::mkdir(runtime.c_str(), 0700) == 0 || errno == EEXIST) && ::lstat(runtime.c_str(), &st) == 0 &&
            S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 0077) == 0)
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
    }
    static int argc = 1;
    static char name[] = "dravik";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

GuiSession::GuiSession() : app_(ensureGuiApplication()) {}

GuiSession::~GuiSession() = default;

QPageLayout pageLayoutFor(const Document& doc)
{
    const double mm = std::max(0.0, doc.marginCm() * 10.0);
    return QPageLayout(QPageSize(QPageSize::A4),
                       doc.orientation() == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(mm, mm, mm, mm), QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0));
}

std::unique_ptr<QTextDocument> layoutDocument(const Document& doc, const QPageLayout& page)
{
    requireGui();
    auto laidOut = buildDocument(doc, page, layoutUnits());
    // A printout that breaks its own pages counts its lines against a page; when its
    // pages do not fit a sheet at the chosen size, the text shrinks (to 6 points at
    // the least) until each of its pages is one sheet, rather than spilling a few
    // rows onto a sheet of their own.
    const int wanted = static_cast<int>(doc.pages().size());
    if (wanted <= 1 || pageCount(*laidOut) <= wanted)
        return laidOut;
    double fits = 0, tooBig = doc.fontSize() > 0 ? doc.fontSize() : 12;
    std::unique_ptr<QTextDocument> best;
    for (double low = 6; tooBig - low > 0.25;) {
        const double points = fits > 0 ? (fits + tooBig) / 2 : low;
        auto attempt = buildDocument(doc, page, layoutUnits(), points);
        if (pageCount(*attempt) <= wanted) {
            fits = points;
            best = std::move(attempt);
            if (tooBig - fits <= 0.25)
                break;
        } else {
            tooBig = points;
            if (fits == 0)
                break; // even the smallest size spills: keep the chosen size
        }
        low = fits;
    }
    return best ? std::move(best) : std::move(laidOut);
}

std::unique_ptr<QTextDocument> layoutDocument(const Document& doc)
{
    return layoutDocument(doc, pageLayoutFor(doc));
}

int pageCount(QTextDocument& laidOut)
{
    return std::max(1, laidOut.pageCount());
}

QSizeF pageSizePoints(QTextDocument& laidOut)
{
    return laidOut.pageSize() * (72.0 / kLayoutDpi);
}

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

void printTo(const Document& doc, QPagedPaintDevice& device)
{
    auto laidOut = layoutDocument(doc);
    printTo(*laidOut, device);
}

void writePdf(QTextDocument& laidOut, const std::string& path)
{
    checkFolder(path);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setCreator(QStringLiteral("Dravik Sport - Program"));
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

void writePdf(const Document& doc, const std::string& path)
{
    auto laidOut = layoutDocument(doc);
    writePdf(*laidOut, path);
}

void writeOdt(const Document& doc, const std::string& path)
{
    requireGui();
    checkFolder(path);
    // A printout that breaks its own pages may print smaller to keep one sheet per
    // page; the word processor gets the size the pages were printed in.
    const double points =
        doc.pages().size() > 1 ? layoutDocument(doc)->defaultFont().pointSizeF() : doc.fontSize();
    std::string bytes;
    try {
        bytes = odtPackage(doc, points);
    } catch (const std::runtime_error& e) {
        throw writeError(path, QString::fromStdString(e.what()));
    }
    saveFile(path, QByteArray::fromStdString(bytes));
}

QImage programLogo()
{
    static const QImage logo = [] {
        const int size = 300;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        // A running track seen from above, with the suite's initials inside.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x5f, 0x3a));
        p.drawRoundedRect(QRectF(10, 40, size - 20, size - 80), 110, 110);
        p.setBrush(QColor(0xc8, 0x4b, 0x31));
        p.drawRoundedRect(QRectF(30, 60, size - 60, size - 120), 90, 90);
        p.setBrush(QColor(0x1f, 0x5f, 0x3a));
        p.drawRoundedRect(QRectF(55, 85, size - 110, size - 170), 65, 65);
        QFont font = documentFont(12);
        font.setPixelSize(90);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("DS"));
        return image;
    }();
    return logo;
}

} // namespace dravik::render
