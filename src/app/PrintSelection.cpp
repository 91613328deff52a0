// SPDX-License-Identifier: GPL-3.0-or-later
// The Print tab's PrintSelection: the printout the options choose, into the
// preview's document and its document file.
#include "app/AppSession.h"
#include "app/ErrorText.h"
#include "app/PrintTab.h"
#include "app/Prompter.h"
#include "platform/GridModel.h"
#include "printing/AnalysisReport.h"
#include "printing/RecordsReport.h"
#include "render/Render.h"

#include <QCheckBox>
#include <QProgressBar>

namespace dravik {

bool PrintTab::PrintSelection()
{
    AppSession& session = form_.session;
    DataStore& store = session.store();
    const printing::PrintWhat chosenWhat = what();
    printing::PrintOptions opts = options();
    proBar_->setMinimum(0);
    proBar_->setValue(0);
    proBar_->show();
    auto progress = [this](int row) {
        proBar_->setValue(row);
        if (row % 25 == 0)
            proBar_->repaint();
    };
    try {
        const std::string documentFile = printing::documentPathFor(store.folders(), chosenWhat);
        if (chosenWhat == printing::PrintWhat::Records) {
            if (!printRecords(documentFile)) {
                proBar_->hide();
                return false;
            }
        } else if (chosenWhat == printing::PrintWhat::Analysis) {
            if (!printAnalysis(documentFile)) {
                proBar_->hide();
                return false;
            }
        } else {
            printing::PrintSources src{form_.programme, session.reference(), form_.meeting,
                                       store,           session.logoPath,    documentFile};
            proBar_->setMaximum(std::max(form_.programme.rows(), 1));
            printing::printProgramme(document_, src, opts, state_, progress);
            showRecordOption(opts.records); // "None" when no record set is active
        }
    } catch (const std::exception& e) {
        proBar_->hide();
        session.prompter().inform(this, wordedError(e, form_.lang), form_.text("msgPrintTitle"));
        return false;
    }
    proBar_->hide();
    // The pages show even when the document file cannot be written.
    try {
        if (!document_.exportFile().empty())
            render::writeOdt(document_, document_.exportFile());
    } catch (const std::exception& e) {
        session.prompter().inform(this, form_.text("msgDocumentNotWritten").arg(wordedError(e, form_.lang)),
                                  form_.text("msgPrintTitle"));
    }
    return true;
}

bool PrintTab::printRecords(const std::string& documentFile)
{
    DisplayedRecords shown = displayedRecords ? displayedRecords() : DisplayedRecords{};
    printing::RecordsReportOptions report;
    report.language = form_.lang;
    for (size_t i = 0; i < report.ticked.size(); ++i)
        report.ticked[i] = Check1_[i]->isChecked();
    report.fontSize = form_.printFontSize;
    report.documentFile = documentFile;
    if (shown.grid && shown.set) {
        report.setName = shown.set->name;
        report.setSymbol = shown.set->symbol;
        proBar_->setMaximum(std::max(shown.grid->rows(), 1));
        if (printing::PrintRecordsReport(document_, *shown.grid, report, [this](int row) { proBar_->setValue(row); }))
            return true;
    }
    form_.session.prompter().inform(this, form_.text("msgDisplayRecordSet"), form_.text("msgPrintTitle"));
    return false;
}

bool PrintTab::printAnalysis(const std::string& documentFile)
{
    ReadAnalysis read = readAnalysis ? readAnalysis() : ReadAnalysis{};
    printing::AnalysisPrintOptions options{form_.lang, form_.printFontSize, form_.session.logoPath, documentFile};
    if (read.grid && read.labels) {
        proBar_->setMaximum(std::max(read.grid->rows(), 1));
        if (printing::PrintAnalysis(document_, *read.grid, *read.labels, options,
                                    [this](int row) { proBar_->setValue(row); }))
            return true;
    }
    form_.session.prompter().inform(this, form_.text("msgReadAnalysis"), form_.text("msgPrintTitle"));
    return false;
}

} // namespace dravik
