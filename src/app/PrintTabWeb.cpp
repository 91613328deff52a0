// SPDX-License-Identifier: GPL-3.0-or-later
// The Print tab's Web page button: the programme of the Program choice as a web
// site in the data folder, opened in the system's browser; and the web folder
// that every Save publishes into.
#include "app/AppSession.h"
#include "app/ErrorText.h"
#include "app/PrintTab.h"
#include "app/Prompter.h"
#include "data/WebFolderSetting.h"
#include "printing/WebSite.h"
#include "render/WebLogo.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QUrl>

#include <optional>

namespace dravik {

void PrintTab::cmdWeb_Click()
{
    if (beforePrint)
        beforePrint();
    AppSession& session = form_.session;
    DataStore& store = session.store();
    const std::string folder = printing::webFolderPath(store.folders());
    printing::PrintOptions opts = options();
    try {
        printing::PrintSources src{form_.programme, session.reference(), form_.meeting, store, session.logoPath, ""};
        // The set the Records tab shows becomes the records page.
        const DisplayedRecords shown = displayedRecords ? displayedRecords() : DisplayedRecords{};
        std::optional<printing::WebRecordSet> set;
        if (shown.grid && shown.set)
            set = printing::WebRecordSet{shown.grid, shown.set->name, shown.set->symbol};
        const printing::WebSite site = printing::buildWebSite(src, opts, render::webLogo(session.logoPath),
                                                              set ? &*set : nullptr);
        printing::writeWebFolder(folder, site.files);
        showRecordOption(opts.records); // "None" when no record set is active
    } catch (const std::exception& e) {
        session.prompter().inform(this, QString::fromStdString(e.what()), form_.text("msgPrintTitle"));
        return;
    }
    // xdg-open (or the platform's own) is started with the address as its argument.
    const QString index = QString::fromStdString(folder + "/index.html");
    const bool opened = openInBrowser ? openInBrowser(index) : QDesktopServices::openUrl(QUrl::fromLocalFile(index));
    if (!opened)
        session.prompter().inform(this, form_.text("msgNoBrowser").arg(index), form_.text("msgPrintTitle"));
}

void PrintTab::showWebFolder()
{
    try {
        txtWebFolder_->setText(QString::fromStdString(readWebFolderSetting(form_.session.programFolder())));
    } catch (const std::exception&) {
        txtWebFolder_->clear(); // the field shows none; Set reports what is wrong
    }
}

void PrintTab::cmdWebFolder_Click()
{
    AppSession& session = form_.session;
    const std::string folder = txtWebFolder_->text().trimmed().toStdString();
    try {
        writeWebFolderSetting(session.programFolder(), folder);
    } catch (const std::exception& e) {
        session.prompter().inform(this, wordedError(e, form_.lang), form_.text("msgPrintTitle"));
        return;
    }
    showWebFolder();
    session.prompter().inform(this,
                              folder.empty() ? form_.text("msgWebFolderOff")
                                             : form_.text("msgWebFolderSet").arg(QString::fromStdString(folder)),
                              form_.text("msgPrintTitle"));
}

} // namespace dravik
