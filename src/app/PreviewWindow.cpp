// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PreviewWindow.h"

#include "render/Render.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace dravik {

namespace {

const double kZooms[] = {0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0};

QString text(Language lang, const char* english, const char* afrikaans)
{
    return QString::fromUtf8(isEnglish(lang) ? english : afrikaans);
}

QPushButton* button(QWidget* parent, const char* name)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

PreviewWindow::PreviewWindow(Language lang, QWidget* parent) : QDialog(parent), lang_(lang)
{
    setObjectName(QStringLiteral("frmPP"));
    setModal(false);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(900, 1000);

    cmdPrevious_ = button(this, "cmdPrevious");
    cmdNext_ = button(this, "cmdNext");
    lblPage_ = new QLabel(this);
    lblPage_->setObjectName(QStringLiteral("lblPage"));
    cmdZoomOut_ = button(this, "cmdZoomOut");
    cmdZoomIn_ = button(this, "cmdZoomIn");
    cmbZoom_ = new QComboBox(this);
    cmbZoom_->setObjectName(QStringLiteral("cmbZoom"));
    for (double z : kZooms)
        cmbZoom_->addItem(QStringLiteral("%1%").arg(qRound(z * 100)), z);
    cmdPrint_ = button(this, "cmdPrint");
    cmdSavePdf_ = button(this, "cmdSavePdf");
    cmdKanseleer_ = button(this, "cmdKanseleer");
    cmdPrevious_->setText(QStringLiteral("<"));
    cmdNext_->setText(QStringLiteral(">"));
    cmdZoomOut_->setText(QStringLiteral("-"));
    cmdZoomIn_->setText(QStringLiteral("+"));

    view_ = new QLabel;
    view_->setObjectName(QStringLiteral("Vsp"));
    view_->setAlignment(Qt::AlignCenter);
    scroll_ = new QScrollArea(this);
    // The page keeps its own size and the area scrolls both ways, whatever the
    // orientation of the page shown before.
    scroll_->setWidget(view_);
    scroll_->setWidgetResizable(false);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);

    auto* bar = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdPrevious_, lblPage_, cmdNext_, cmdZoomOut_, cmbZoom_, cmdZoomIn_})
        bar->addWidget(w);
    bar->addStretch();
    bar->addWidget(cmdPrint_);
    bar->addWidget(cmdSavePdf_);
    bar->addWidget(cmdKanseleer_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);

    connect(cmdPrevious_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(cmdNext_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(cmdZoomIn_, &QPushButton::clicked, this, [this] {
        for (double z : kZooms)
            if (z > zoom_ + 1e-9) {
                setZoom(z);
                return;
            }
    });
    connect(cmdZoomOut_, &QPushButton::clicked, this, [this] {
        for (auto it = std::rbegin(kZooms); it != std::rend(kZooms); ++it)
            if (*it < zoom_ - 1e-9) {
                setZoom(*it);
                return;
            }
    });
    connect(cmbZoom_, &QComboBox::activated, this, [this](int i) { setZoom(cmbZoom_->itemData(i).toDouble()); });
    connect(cmdPrint_, &QPushButton::clicked, this, &PreviewWindow::cmdPrint_Click);
    connect(cmdSavePdf_, &QPushButton::clicked, this, &PreviewWindow::cmdSavePdf_Click);
    connect(cmdKanseleer_, &QPushButton::clicked, this, &QDialog::close);

    askPdfFile = [this] {
        // Beside the printout's document file in the Data folder.
        const QFileInfo document(QString::fromStdString(doc_.exportFile()));
        const QString start = doc_.exportFile().empty() ? QStringLiteral("Program.pdf")
                                                        : document.absolutePath() + QLatin1Char('/') +
                                                              document.completeBaseName() + QStringLiteral(".pdf");
        QString file = QFileDialog::getSaveFileName(this, cmdSavePdf_->text(), start, QStringLiteral("PDF (*.pdf)"));
        if (!file.isEmpty() && !file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            file += QStringLiteral(".pdf");
        return file;
    };
    askPrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        dialog.setMinMax(1, std::max(1, pages_));
        return dialog.exec() == QDialog::Accepted;
    };
    reportError = [this](const QString& message) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };

    setLanguage(lang);
    refresh();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::setLanguage(Language lang)
{
    lang_ = lang;
    setWindowTitle(text(lang, "Dravik Sport - Program (Printer)", "Dravik Sport - Program (Drukker)"));
    cmdKanseleer_->setText(text(lang, "Cancel", "Kanseleer"));
    cmdPrint_->setText(text(lang, "Print", "Druk"));
    cmdSavePdf_->setText(text(lang, "Save PDF", "Stoor PDF"));
    cmdPrevious_->setToolTip(text(lang, "Previous page", "Vorige bladsy"));
    cmdNext_->setToolTip(text(lang, "Next page", "Volgende bladsy"));
    cmdZoomIn_->setToolTip(text(lang, "Zoom in", "Vergroot"));
    cmdZoomOut_->setToolTip(text(lang, "Zoom out", "Verklein"));
    refresh();
}

void PreviewWindow::showDocument(const printing::Document& doc)
{
    doc_ = doc;
    laidOut_ = render::layoutDocument(doc_);
    pages_ = render::pageCount(*laidOut_);
    page_ = 0;
    refresh();
    show();
    raise();
    activateWindow();
}

void PreviewWindow::showPage(int page)
{
    if (!laidOut_)
        return;
    page_ = std::clamp(page, 0, pages_ - 1);
    refresh();
}

void PreviewWindow::setZoom(double zoom)
{
    zoom_ = std::clamp(zoom, kZooms[0], std::end(kZooms)[-1]);
    refresh();
}

void PreviewWindow::refresh()
{
    const int zoomIndex = cmbZoom_->findData(zoom_);
    if (zoomIndex >= 0)
        cmbZoom_->setCurrentIndex(zoomIndex);
    cmdZoomIn_->setEnabled(zoom_ < std::end(kZooms)[-1]);
    cmdZoomOut_->setEnabled(zoom_ > kZooms[0]);
    const bool has = laidOut_ != nullptr;
    cmdPrevious_->setEnabled(has && page_ > 0);
    cmdNext_->setEnabled(has && page_ + 1 < pages_);
    cmdPrint_->setEnabled(has);
    cmdSavePdf_->setEnabled(has);
    lblPage_->setText(has ? text(lang_, "Page %1 of %2", "Bladsy %1 van %2").arg(page_ + 1).arg(pages_) : QString());
    if (!has) {
        image_ = QImage();
        view_->clear();
        view_->adjustSize();
        return;
    }
    const double ratio = devicePixelRatioF();
    image_ = render::renderPage(*laidOut_, page_, logicalDpiX() * zoom_ * ratio);
    image_.setDevicePixelRatio(ratio);
    view_->setPixmap(QPixmap::fromImage(image_));
    view_->adjustSize();
}

void PreviewWindow::cmdSavePdf_Click()
{
    if (!laidOut_)
        return;
    const QString file = askPdfFile ? askPdfFile() : QString();
    if (file.isEmpty())
        return;
    try {
        render::writePdf(*laidOut_, file.toStdString(), doc_.title());
    } catch (const std::exception& e) {
        if (reportError)
            reportError(QString::fromStdString(e.what()));
    }
}

void PreviewWindow::cmdPrint_Click()
{
    if (!laidOut_)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(doc_.orientation() == printing::Orientation::Landscape ? QPageLayout::Landscape
                                                                                      : QPageLayout::Portrait);
    printer.setDocName(windowTitle());
    if (!askPrinter || !askPrinter(printer))
        return;
    try {
        render::printTo(*laidOut_, printer);
    } catch (const std::exception& e) {
        if (reportError)
            reportError(QString::fromStdString(e.what()));
    }
}

} // namespace dravik
