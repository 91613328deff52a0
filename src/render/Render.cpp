// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Render.h"

#include "render/FileWrite.h"
#include "render/OdtWriter.h"
#include "render/SheetFit.h"
#include "render/TextDocumentBuilder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

namespace dravik::render {

using printing::Document;
using printing::Orientation;

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
    writePdf(*layoutDocument(doc), path, doc.title());
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
