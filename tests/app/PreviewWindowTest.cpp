// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PreviewWindow.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace dravik;

namespace {

printing::Document pages(int count, const std::string& prefix)
{
    printing::Document doc;
    doc.startDoc();
    for (int p = 1; p <= count; ++p) {
        if (p > 1)
            doc.newPage();
        doc.paragraph(prefix + " page " + std::to_string(p));
    }
    doc.endDoc();
    return doc;
}

// The first five bytes of a file: "%PDF-" for a PDF.
std::string head(const std::filesystem::path& file)
{
    std::string s(5, '\0');
    std::ifstream(file, std::ios::binary).read(s.data(), 5);
    return s;
}

TEST(PreviewWindow, ShowsPagesPagesAndZoomsAndIsReusedAfterCancel)
{
    PreviewWindow frmPP(Language::English);
    frmPP.showDocument(pages(2, "Programme"));
    EXPECT_TRUE(frmPP.isVisible());
    EXPECT_EQ(frmPP.pageCount(), 2);
    EXPECT_EQ(frmPP.currentPage(), 0);
    auto* label = frmPP.findChild<QLabel*>("lblPage");
    EXPECT_EQ(label->text(), "Page 1 of 2");
    auto* next = frmPP.findChild<QPushButton*>("cmdNext");
    auto* previous = frmPP.findChild<QPushButton*>("cmdPrevious");
    EXPECT_FALSE(previous->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(frmPP.currentPage(), 1);
    EXPECT_EQ(label->text(), "Page 2 of 2");
    EXPECT_FALSE(next->isEnabled()) << "no page after the last";

    const int width = frmPP.pageImage().width();
    QTest::mouseClick(frmPP.findChild<QPushButton*>("cmdZoomIn"), Qt::LeftButton);
    EXPECT_GT(frmPP.zoom(), 1.0);
    EXPECT_GT(frmPP.pageImage().width(), width);

    frmPP.setLanguage(Language::Afrikaans);
    EXPECT_EQ(label->text(), "Bladsy 2 van 2");

    QTest::mouseClick(frmPP.findChild<QPushButton*>("cmdKanseleer"), Qt::LeftButton);
    EXPECT_FALSE(frmPP.isVisible());

    // The next printout replaces the document in the same window.
    frmPP.showDocument(pages(1, "Records"));
    EXPECT_TRUE(frmPP.isVisible());
    EXPECT_EQ(frmPP.currentPage(), 0);
    EXPECT_FALSE(next->isEnabled());

    // A landscape page after portrait ones shows whole, with a scroll bar to reach it.
    printing::Document landscape = pages(1, "All Data");
    landscape.setOrientation(printing::Orientation::Landscape);
    frmPP.showDocument(landscape);
    auto* page = frmPP.findChild<QLabel*>("Vsp");
    EXPECT_EQ(page->size(), frmPP.pageImage().deviceIndependentSize().toSize());
    EXPECT_GT(frmPP.findChild<QScrollArea*>()->horizontalScrollBar()->maximum(), 0);
    frmPP.close();
}

TEST(PreviewWindow, SavesPdfPrintsAndReportsAFailedSave)
{
    test::TempFolder dir;
    PreviewWindow frmPP(Language::English);
    QStringList errors;
    frmPP.reportError = [&](const QString& m) { errors << m; };
    frmPP.showDocument(pages(2, "Gate"));

    const auto saved = dir.path() / "Saved.pdf";
    frmPP.askPdfFile = [&] { return QString::fromStdString(saved.string()); };
    QTest::mouseClick(frmPP.findChild<QPushButton*>("cmdSavePdf"), Qt::LeftButton);
    EXPECT_EQ(head(saved), "%PDF-");
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();

    const auto missing = dir.path() / "gone" / "Saved.pdf";
    frmPP.askPdfFile = [&] { return QString::fromStdString(missing.string()); };
    frmPP.cmdSavePdf_Click();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QString::fromStdString(missing.string()))) << errors[0].toStdString();

    // The print dialog's choice reaches the printer: here a PDF file, as a user may choose.
    const auto printed = dir.path() / "Printed.pdf";
    frmPP.askPrinter = [&](QPrinter& printer) {
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(printed.string()));
        return true;
    };
    QTest::mouseClick(frmPP.findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
    EXPECT_EQ(head(printed), "%PDF-");
    EXPECT_EQ(errors.size(), 1);

    bool asked = false;
    frmPP.askPrinter = [&](QPrinter&) { return asked = true, false; };
    std::filesystem::remove(printed);
    frmPP.cmdPrint_Click();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(std::filesystem::exists(printed)) << "a cancelled print dialog prints nothing";
    frmPP.close();
}

} // namespace
