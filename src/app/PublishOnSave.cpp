// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PublishOnSave.h"

#include "app/AppSession.h"
#include "app/FormContext.h"
#include "data/WebFolderSetting.h"
#include "printing/WebPublish.h"
#include "render/WebLogo.h"

namespace dravik {

void publishOnSave(FormContext& form, QWidget* parent)
{
    AppSession& session = form.session;
    std::string folder;
    try {
        folder = readWebFolderSetting(session.programFolder());
        if (folder.empty())
            return;
        printing::WebPublishRequest request;
        request.language = form.lang;
        request.firstActiveSet = true;
        printing::publishStoredSite(session.store(), folder, request, render::webLogo(session.logoPath));
    } catch (const std::exception& e) {
        session.prompter().inform(
            parent,
            form.text("msgWebNotPublished").arg(QString::fromStdString(folder), QString::fromStdString(e.what())),
            form.text("msgPrintTitle"));
    }
}

} // namespace dravik
