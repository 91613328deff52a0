#include "render/Render.h"

#include "render/FileWrite.h"
#include "render/OdtWriter.h"
#include "render/PdfJoin.h"
#include "render/SheetFit.h"
#include "render/TextDocumentBuilder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QThread>
#include <QTextDocument>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <exception>
#include <optional>
#include <utility>
#include <variant>
#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

namespace dravik::render {

using printing::Document;
using printing::Orientation;
using printing::PageBreak;

namespace {

void requireGui()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw std::runtime_error("Laying out a printout needs a QGuiApplication; none was created.");
}

// A new QGuiApplication when the process has none, else null.
std::unique_ptr<QGuiApplication> ensureGuiApplication()
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

// The sheets of a plan cut in two at the page break nearest its middle, when it has
// at least `least` sheets: a break after content and before more content, so each
// half starts its first sheet as the whole did.
std::optional<std::pair<Document, Document>> splitAtSheet(const Document& doc, int least)
{
    const auto& blocks = doc.blocks();
    std::vector<std::size_t> breaks;
    bool contentSeen = false;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const bool isBreak = std::holds_alternative<PageBreak>(blocks[i]);
        if (isBreak && contentSeen && i + 1 < blocks.size() &&
            !std::holds_alternative<PageBreak>(blocks[i + 1]) &&
            !std::holds_alternative<PageBreak>(blocks[i - 1]))
            breaks.push_back(i);
        contentSeen = contentSeen || !isBreak;
    }
    if (static_cast<int>(breaks.size()) + 1 < least)
        return std::nullopt;
    const std::size_t cut = breaks[breaks.size() / 2];
    auto half = [&](std::size_t from, std::size_t to, bool finished) {
        Document d;
        d.setOrientation(doc.orientation());
        d.setFontSize(doc.fontSize());
        d.setMarginCm(doc.marginCm());
        d.startDoc();
        for (std::size_t i = from; i < to; ++i)
            addBlock(d, blocks[i]);
        if (finished)
            d.endDoc();
        return d;
    };
    return std::make_pair(half(0, cut, true), half(cut + 1, blocks.size(), doc.finished()));
}

// The sheets as PDF bytes; empty when a sheet ran over its page.
std::optional<QByteArray> pdfOfSheets(const Document& sheets, const QPageLayout& page, const TabColumns& tabs)
{
    auto laidOut = buildTextDocument(sheets, page, tabs);
    if (laidOut->pageCount() > pagesStarted(sheets))
        return std::nullopt;
    return pdfBytes(*laidOut);
}

// A long printout laid out and written in two halves at once, one on each processor,
// and the two files joined; each half starts at a sheet of its own. Empty when the
// printout is short, the machine has one processor, a sheet ran over its page or the
// halves cannot be joined: the caller then writes the pages as one.
std::optional<QByteArray> pdfInHalves(const SheetPlan& plan, const QPageLayout& page)
{
    const auto halves = QThread::idealThreadCount() > 1 ? splitAtSheet(plan.doc, 60) : std::nullopt;
    if (!halves)
        return std::nullopt;
    std::optional<QByteArray> first, second;
    std::exception_ptr failed;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            second = pdfOfSheets(halves->second, page, plan.tabs);
        } catch (...) {
            failed = std::current_exception();
        }
    }));
    worker->start();
    try {
        first = pdfOfSheets(halves->first, page, plan.tabs);
    } catch (...) {
        worker->wait();
        throw;
    }
    worker->wait();
    if (failed)
        std::rethrow_exception(failed);
    if (!first || !second)
        return std::nullopt;
    try {
        return joinPdfs({*first, *second});
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
}

} // namespace

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
    // Text prints at the size chosen; pages that do not fit a sheet run on over
    // further sheets, each under its page's heading.
    return fitSheets(doc, page).pages;
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

void printTo(const Document& doc, QPagedPaintDevice& device)
{
    auto laidOut = layoutDocument(doc);
    printTo(*laidOut, device);
}

void writePdf(const Document& doc, const std::string& path)
{
    requireGui();
    checkFolder(path);
    const QPageLayout page = pageLayoutFor(doc);
    if (const auto bytes = pdfInHalves(planSheets(doc, page, RowHeights::Reckoned), page)) {
        saveFile(path, *bytes);
        return;
    }
    auto laidOut = fitSheets(doc, page).pages;
    writePdf(*laidOut, path);
}

void writeOdt(const Document& doc, const std::string& path)
{
    requireGui();
    checkFolder(path);
    // The document file holds the same sheets as the printed pages.
    const SheetPlan plan = fitSheets(doc, pageLayoutFor(doc)).plan;
    std::string bytes;
    try {
        bytes = odtPackage(plan.doc, plan.tabs);
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
