// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/Prompter.h"
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "programme/EditorState.h"
#include "programme/Language.h"

#include <memory>
#include <string>

namespace dravik {

class MainWindow;
class PreviewWindow;

// What the program keeps for its whole run: the data store, the reference
// lists, the language flag, the unsaved-changes flag and the two main windows.
class AppSession {
public:
    AppSession(std::string programFolder, Prompter& prompter);
    ~AppSession();

    // The start-up step: reads the language option and shows the main window
    // of that language. Throws StoreError when the suite cannot be opened.
    MainWindow& start();

    const std::string& programFolder() const { return programFolder_; }
    Prompter& prompter() { return prompter_; }

    // Opened by the first window load and kept for the life of the program.
    DataStore& openStore();
    DataStore& store() { return *store_; }
    EventReference& reference() { return reference_; }
    void reloadReference();

    int languageFlag = 1;       // non-zero: English
    ProgrammeSession programme; // ProgrammeChanged: the programme grid holds unsaved changes
    std::string logoPath;       // the suite's Own.bmp, or empty

    // The window of a language, created (with its load) on first use.
    MainWindow& window(Language lang);
    MainWindow* existingWindow(Language lang);
    // Hides the current window and shows (and activates) the other one.
    void showWindow(Language lang);
    // The print preview frmPP: one for the program, made on first use and kept,
    // titled in the language of the window that shows it.
    PreviewWindow& previewWindow(Language lang);
    PreviewWindow* existingPreviewWindow() const { return preview_.get(); }
    // Ends the program: both windows close without further questions.
    void exitProgram();
    bool exiting() const { return exiting_; }

private:
    std::string programFolder_;
    Prompter& prompter_;
    std::unique_ptr<DataStore> store_;
    EventReference reference_;
    std::unique_ptr<MainWindow> english_, afrikaans_;
    std::unique_ptr<PreviewWindow> preview_;
    bool exiting_ = false;
    bool movedFoldersTold_ = false;
    // Once per run: the stored folders of a copied or moved suite, and the offer to correct them.
    void tellMovedFolders(QWidget* parent);
};

} // namespace dravik
