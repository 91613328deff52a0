// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppSession.h"

#include "app/MainWindow.h"
#include "app/PreviewWindow.h"
#include "data/FolderSettings.h"

#include <QApplication>

namespace dravik {

AppSession::AppSession(std::string programFolder, Prompter& prompter)
    : programFolder_(withTrailingSeparator(std::move(programFolder))), prompter_(prompter)
{
}

AppSession::~AppSession() = default;

MainWindow& AppSession::start()
{
    languageFlag = readLanguageOption(programFolder_);
    Language lang = languageFlag != 0 ? Language::English : Language::Afrikaans;
    MainWindow& w = window(lang);
    // A table that cannot be read stops start-up here with its message.
    w.activate();
    w.show();
    tellMovedFolders(&w);
    return w;
}

PreviewWindow& AppSession::previewWindow(Language lang)
{
    if (!preview_)
        preview_ = std::make_unique<PreviewWindow>(lang);
    preview_->setLanguage(lang);
    return *preview_;
}

DataStore& AppSession::openStore()
{
    if (!store_)
        store_ = DataStore::open(programFolder_);
    return *store_;
}

void AppSession::reloadReference()
{
    DataStore& s = openStore();
    reference_ = loadEventReference(s.atld10(), s.atld19(), s.atld11(), s.atld18());
}

MainWindow* AppSession::existingWindow(Language lang)
{
    return isEnglish(lang) ? english_.get() : afrikaans_.get();
}

MainWindow& AppSession::window(Language lang)
{
    auto& slot = isEnglish(lang) ? english_ : afrikaans_;
    if (!slot)
        slot = std::make_unique<MainWindow>(lang, *this);
    return *slot;
}

void AppSession::showWindow(Language lang)
{
    MainWindow& next = window(lang);
    if (MainWindow* other = existingWindow(isEnglish(lang) ? Language::Afrikaans : Language::English))
        other->hide();
    // The window shown by a switch activates afresh, once.
    next.activate();
    next.show();
    tellMovedFolders(&next);
}

void AppSession::tellMovedFolders(QWidget* parent)
{
    if (movedFoldersTold_ || !store_)
        return;
    movedFoldersTold_ = true;
    const auto& moved = store_->movedFolders();
    const bool english = parent->objectName() != "frmAfr2";
    const QString note = QString::fromStdString(movedFoldersNote(moved, english));
    if (note.isEmpty())
        return;
    const bool correctable = std::any_of(moved.begin(), moved.end(),
                                         [](const MovedFolder& m) { return !m.used.empty(); });
    const QString title = english ? "Suite folders" : "Suite-vouers";
    if (!correctable) {
        prompter().inform(parent, note, title);
        return;
    }
    const QString question = note + (english ? "\n\nStore these folders in the suite's paths?"
                                             : "\n\nStoor hierdie vouers in die suite se paaie?");
    if (prompter().ask(parent, question, title)) {
        try {
            store_->correctMovedFolders();
        } catch (const std::exception& e) {
            prompter().inform(parent, QString::fromStdString(e.what()), title);
        }
    }
}

void AppSession::exitProgram()
{
    exiting_ = true;
    if (english_)
        english_->close();
    if (afrikaans_)
        afrikaans_->close();
    QApplication::quit();
}

} // namespace dravik
