// SPDX-License-Identifier: GPL-3.0-or-later
// The full gate programme with names for a meeting of 1,000 events and 20,000
// entries, against a raw SQLite scan of the entries (Atld37) in the same run.
// Prints the ratios (goal: the printout within 10x of the scan). A second measurement
// takes the printout on to its pages: the model laid out and written as PDF, against
// LibreOffice turning the same document file into PDF in the same run, with the
// size of each file's page content per page.
#include "BenchSupport.h"
#include "BigMeeting.h"
#include "render/Render.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

using namespace dravik;

using dravik::bench::bestOfPairs;
using dravik::bench::BigMeeting;
using dravik::bench::buildBigMeeting;
using dravik::bench::timed;

namespace {

// The bytes of page content (the pages' drawing, uncompressed) per page of a PDF
// file, read with qpdf; 0 when qpdf is missing or fails.
double contentPerPage(const std::filesystem::path& pdf)
{
    const QString qpdf = QStandardPaths::findExecutable(QStringLiteral("qpdf"));
    if (qpdf.isEmpty() || !std::filesystem::exists(pdf))
        return 0;
    const std::filesystem::path plain = pdf.string() + ".qdf";
    QProcess p;
    p.start(qpdf, {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"),
                   QString::fromStdString(pdf.string()), QString::fromStdString(plain.string())});
    p.waitForFinished(600000);
    std::ifstream in(plain, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(plain);
    // qpdf marks each page's content stream with a comment naming its page.
    const std::string mark = "%% Contents for page ";
    std::size_t bytes = 0, pages = 0;
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + mark.size())) {
        const std::size_t start = text.find("stream\n", at);
        const std::size_t end = start == std::string::npos ? start : text.find("\nendstream", start);
        if (end == std::string::npos)
            break;
        bytes += end - (start + 7);
        ++pages;
    }
    return pages ? static_cast<double>(bytes) / pages : 0;
}

} // namespace

int main()
{
    render::GuiSession gui;
    const std::string tmpl = dravik::bench::makeTempFolder("dravik-bench-XXXXXX");
    std::filesystem::path dir = tmpl;
    BigMeeting big = buildBigMeeting(dir / "suite");
    const printing::PrintSources src = big.sources();
    SQLite::Database& db = big.store->meetingDatabase();

    auto rawScan = [&] { bench::scanEntries(db); };
    size_t textSize = 0;
    auto gate = [&](printing::GateNames names) {
        return [&, names] {
            printing::PrintOptions options;
            options.kind = printing::ProgrammeKind::FullGate;
            options.names = names;
            options.records = printing::RecordsIncluded::ValuesOnly;
            printing::PrintState state;
            printing::Document doc;
            printing::printProgramme(doc, src, options, state);
            textSize = 0;
            for (const printing::Table* t : doc.tables())
                for (const auto& row : t->rows)
                    textSize += row[0].size();
        };
    };
    auto [scan, entryOrder] = bestOfPairs(11, rawScan, gate(printing::GateNames::EntryOrder));
    auto [scan2, drawOrder] = bestOfPairs(11, rawScan, gate(printing::GateNames::DrawOrder));
    scan = std::min(scan, scan2);
    std::printf("events: %d, entries: %d, event text: %zu characters\n", big.grid.rows() - 1,
                big.store->atld37().recordCount() + big.store->atld28().recordCount(), textSize);
    std::printf("raw scan of Atld37 %.2f ms\n", scan);
    std::printf("gate programme with names %.2f ms, ratio %.2f (goal <= 10)\n", entryOrder, entryOrder / scan);
    std::printf("gate programme in draw order %.2f ms, ratio %.2f (goal <= 10)\n", drawOrder, drawOrder / scan);

    // Model, layout and PDF of the gate programme with names, as `dravik print` makes it.
    const std::string pdf = (dir / "gate.pdf").string();
    const std::string odt = (dir / "gate.odt").string();
    // The booklet with names and record values, as the PDF and as the document file.
    printing::PrintOptions roadOptions;
    roadOptions.kind = printing::ProgrammeKind::FullGate;
    roadOptions.names = printing::GateNames::EntryOrder;
    roadOptions.records = printing::RecordsIncluded::ValuesOnly;
    double modelMs = 0;
    auto toPdf = [&] {
        printing::PrintOptions options = roadOptions;
        printing::PrintState state;
        printing::Document doc;
        modelMs = timed([&] { printing::printProgramme(doc, src, options, state); });
        render::writePdf(doc, pdf);
    };
    auto [scan3, modelPdf] = bestOfPairs(3, rawScan, toPdf);
    scan = std::min(scan, scan3);
    printing::PrintState odtState;
    printing::PrintOptions odtOptions = roadOptions;
    printing::Document odtDoc;
    printing::printProgramme(odtDoc, src, odtOptions, odtState);
    const double odtMs = timed([&] { render::writeOdt(odtDoc, odt); });
    const int pages = render::pageCount(*render::layoutDocument(odtDoc));
    std::printf("gate programme with names to PDF (model, layout, %d pages) %.2f ms, ratio %.2f "
                "(last run: model %.0f ms)\n",
                pages, modelPdf, modelPdf / scan, modelMs);
    std::printf("the same document as OpenDocument text %.2f ms (%.0f kB)\n", odtMs,
                std::filesystem::file_size(odt) / 1024.0);

    // The whole road (model, layout, PDF) against LibreOffice turning the same
    // document file into PDF, in the same run (goal: a quarter of its time at most).
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        std::printf("soffice is missing: no comparison with LibreOffice\n");
    } else {
        const QString profile = QString::fromStdString("file://" + (dir / "lo-profile").string());
        QProcess lo;
        const double loMs = timed([&] {
            lo.start(soffice, {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                               QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
                               QString::fromStdString((dir / "lo").string()), QString::fromStdString(odt)});
            lo.waitForFinished(600000);
        });
        const bool converted = std::filesystem::exists(dir / "lo" / "gate.pdf");
        std::printf("LibreOffice document file to PDF %.0f ms%s; whole road %.0f ms, ratio %.3f (goal <= 0.25)\n", loMs,
                    converted ? "" : " (no PDF written)", modelPdf, modelPdf / loMs);
        std::printf("page content per page: ours %.0f bytes (file %.0f kB), LibreOffice's %.0f bytes (file %.0f kB)\n",
                    contentPerPage(pdf), std::filesystem::file_size(pdf) / 1024.0,
                    contentPerPage(dir / "lo" / "gate.pdf"),
                    converted ? std::filesystem::file_size(dir / "lo" / "gate.pdf") / 1024.0 : 0.0);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
