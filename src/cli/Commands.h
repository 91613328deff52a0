// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"

#include <iostream>
#include <string>

namespace CLI {
class App;
}

namespace dravik::printing {
class Document;
}

namespace dravik {
class DataStore;
}

namespace dravik::cli {

// Adds every subcommand to the parser.
void registerCommands(CLI::App& app);
// Runs the subcommand that was parsed; returns the exit code. Failures are
// printed to err as one clear message and give exit code 1.
int runSelected(CLI::App& app, std::ostream& out, std::ostream& err);

// The commands themselves, callable from tests. Each throws StoreError or
// another std::exception with a message on failure.
int runProgrammeCommand(const std::string& dir, Language lang, std::ostream& out);
int runSetupCommand(const std::string& dir, bool demo, std::ostream& out);
int runGenerateCommand(const std::string& dir, const std::string& start, bool apply, std::ostream& out,
                       std::ostream& err = std::cerr, Language lang = Language::English);
// dravik export: the stored programme into a workbook made from the template; with
// a set reference, the set's records go along. dravik import: a workbook's
// programme stored through the programme Save; with a set reference, its
// records into that set. Each prints what it did.
// Refuses to replace an existing workbook unless force is set.
int runExportCommand(const std::string& dir, const std::string& file, const std::string& setReference, Language lang,
                     std::ostream& out, bool force = false);
int runImportCommand(const std::string& dir, const std::string& file, const std::string& setReference, Language lang,
                     std::ostream& out, bool force = false);
// Without a set reference: one line per record set (Verw, Naam, Simb, "A" when
// active). With one: the record grid as Display fills it, a header line and one
// line per event of the visible columns.
int runRecordsCommand(const std::string& dir, const std::string& setReference, Language lang, std::ostream& out);

// dravik analysis: the analysis as Read Data fills it, the set with that
// reference standing for the displayed record set (none when empty); the
// totals, an empty line, then the grid's header and rows as tab-separated lines.
// The order is "events" or "number" (of competitors).
int runAnalysisCommand(const std::string& dir, const std::string& setReference, const std::string& order, Language lang,
                       std::ostream& out);

// dravik print: the options as typed; runPrintCommand checks them.
struct PrintCommandOptions {
    std::string what = "standard"; // standard | gate | records | analysis
    std::string pdf;
    std::string records = "none";    // none | values | all
    std::string recordDate = "none"; // none | full | year
    int day = 0;                     // 0: all days
    std::string order = "number";    // number | event | gender-age | gender-age-event
    double font = 12;
    std::string names = "none"; // none | entry | draw
    bool initials = false;
    int results = 3;
    bool altLanguage = false;
    bool ids = false; // gate programme: the competitor ID before each name
    std::string lang = "en";
    std::string set;                                                   // records: the set's reference
    std::string columns = "name,surname,gen,age,year,date,track,team"; // records: the optional columns
    std::string analysisOrder = "events";                              // analysis: events | number
};
// Writes the programme printout as PDF and its document file into the data folder;
// a document file that cannot be written is reported on err, does not undo the PDF
// and makes the command exit 1.
int runPrintCommand(const std::string& dir, const PrintCommandOptions& options, std::ostream& out, std::ostream& err);

// dravik print --what analysis: the analysis read as dravik analysis reads it,
// written as PDF and as Analyze.odt in the data folder.
int runPrintAnalysis(const std::string& dir, const PrintCommandOptions& options, std::ostream& out, std::ostream& err);
// Throws the message for a --font that is no print size, the number as typed.
void checkPrintFont(double font);
// Writes a printout's document file; a failure is told on err and gives exit status 1.
int writeDocumentFile(const printing::Document& doc, const std::string& path, std::ostream& out, std::ostream& err);

// dravik publish: the programme as a web page folder (index.html with every
// event's start list, records.html for a record set), written whole or not at all.
struct PublishCommandOptions {
    std::string folder;
    std::string records = "none"; // none | values | all
    std::string set;              // the record set whose records report is records.html
    int day = 0;                  // 0: all days
    std::string lang = "en";
};
int runPublishCommand(const std::string& dir, const PublishCommandOptions& options, std::ostream& out);

// dravik web-folder: prints the folder every Save publishes the web site into;
// with FOLDER sets it, with --off clears it.
int runWebFolderCommand(const std::string& dir, const std::string& folder, bool off, std::ostream& out);

// After a command stored the programme or records: publishes the web site into
// the web folder when one is set. A failed publish is reported on `out` and
// leaves what was stored, and the command's success, as they are.
void publishAfterSave(DataStore& store, Language lang, std::ostream& out);

// dravik lynx: the photo-finish start lists (lynx.evt, lynx.ppl, lynx.sch) of the
// stored programme written into a folder; day 0 writes every day.
struct LynxCommandOptions {
    std::string folder;
    int day = 0;                           // 0: every day
    int dayOffset = 0;                     // day d's events are (d - 1) × offset + number; 0 for none
    std::string encoding = "windows-1252"; // windows-1252 | utf-8
};
int runLynxCommand(const std::string& dir, const LynxCommandOptions& options, Language lang, std::ostream& out);

Language parseLanguage(const std::string& text);

} // namespace dravik::cli
