// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Document.h"
#include "programme/Language.h"

#include <QDialog>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QTextDocument;

namespace dravik {

// frmPP: the print preview. Created on first use and kept; every printout replaces its
// document. Shows the laid-out pages one at a time, paged and zoomed, and prints them
// or saves them as PDF. Not modal.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit PreviewWindow(Language lang, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // Title and button captions of the language (Form_Activate).
    void setLanguage(Language lang);
    // Lays the document out, shows its first page and brings the window up.
    void showDocument(const printing::Document& doc);

    int pageCount() const { return pages_; }
    int currentPage() const { return page_; } // 0-based
    void showPage(int page);
    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    // The shown page as an image (for the page view and tests).
    const QImage& pageImage() const { return image_; }

    // Seams the tests replace: the save-file question (empty for Cancel), the print
    // dialog (false for Cancel) and the error report.
    std::function<QString()> askPdfFile;
    std::function<bool(QPrinter&)> askPrinter;
    std::function<void(const QString&)> reportError;

    void cmdSavePdf_Click();
    void cmdPrint_Click();

private:
    void refresh();

    Language lang_;
    printing::Document doc_;
    std::unique_ptr<QTextDocument> laidOut_;
    int pages_ = 0;
    int page_ = 0;
    double zoom_ = 1.0;
    QImage image_;

    QScrollArea* scroll_;
    QLabel* view_;
    QLabel* lblPage_;
    QComboBox* cmbZoom_;
    QPushButton *cmdPrevious_, *cmdNext_, *cmdZoomIn_, *cmdZoomOut_, *cmdPrint_, *cmdSavePdf_, *cmdKanseleer_;
};

} // namespace dravik
