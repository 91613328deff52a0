// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "data/DataStore.h"
#include "exchange/ErrorWording.h"
#include "exchange/ExchangeRecords.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <vector>

namespace dravik::cli {

namespace {

struct Registered {
    CLI::App* sub;
    std::function<int(std::ostream&)> run;
};

std::vector<Registered>& registry()
{
    static std::vector<Registered> commands;
    return commands;
}

struct Options {
    std::string dir;
    std::string lang = "en";
    std::string start = "08:00";
    bool demo = false;
    bool apply = false;
    PrintCommandOptions print;
};

Options& options()
{
    static Options o;
    return o;
}

} // namespace

Language parseLanguage(const std::string& text)
{
    if (text == "en")
        return Language::English;
    if (text == "af")
        return Language::Afrikaans;
    throw std::invalid_argument("Unknown language \"" + text + "\": use en or af.");
}

void registerCommands(CLI::App& app)
{
    Options& o = options();
    auto* programme = app.add_subcommand("programme", "Print the programme grid as the window loads it");
    programme->add_option("DIR", o.dir, "Suite folder")->required();
    programme->add_option("--lang", o.lang, "Language of the texts: en or af")->check(CLI::IsMember({"en", "af"}));
    registry().push_back(
        {programme, [&o](std::ostream& out) { return runProgrammeCommand(o.dir, parseLanguage(o.lang), out); }});

    auto* setup = app.add_subcommand("setup", "Create a suite folder with its databases");
    setup->add_option("DIR", o.dir, "Suite folder to create or fill")->required();
    setup->add_flag("--demo", o.demo, "Add a sample three-day meeting");
    registry().push_back({setup, [&o](std::ostream& out) { return runSetupCommand(o.dir, o.demo, out); }});

    static std::string recordSet;
    auto* records = app.add_subcommand("records", "List the record sets, or show a set's records as Display does");
    records->add_option("DIR", o.dir, "Suite folder")->required();
    records->add_option("--set", recordSet, "Reference (Verw) of the set to show");
    records->add_option("--lang", o.lang, "Language of the texts: en or af")->check(CLI::IsMember({"en", "af"}));
    registry().push_back(
        {records, [&o](std::ostream& out) { return runRecordsCommand(o.dir, recordSet, parseLanguage(o.lang), out); }});

    static std::string analysisSet, analysisOrder = "events";
    auto* analysis = app.add_subcommand("analysis", "Read the analysis of the meeting as the Analyze tab does");
    analysis->add_option("DIR", o.dir, "Suite folder")->required();
    analysis->add_option("--set", analysisSet, "Reference (Verw) of the record set whose records are shown");
    analysis->add_option("--order", analysisOrder, "Order: events or number (of competitors)")
        ->check(CLI::IsMember({"events", "number"}));
    analysis->add_option("--lang", o.lang, "Language of the texts: en or af")->check(CLI::IsMember({"en", "af"}));
    registry().push_back({analysis, [&o](std::ostream& out) {
                              return runAnalysisCommand(o.dir, analysisSet, analysisOrder, parseLanguage(o.lang), out);
                          }});

    auto* generate = app.add_subcommand("generate", "Draft a timed programme from the meeting's entries");
    generate->add_option("DIR", o.dir, "Suite folder")->required();
    generate->add_option("--start", o.start, "Meeting start time, hh:mm");
    generate->add_flag("--apply", o.apply, "Replace the stored programme with the draft");
    generate->add_option("--lang", o.lang, "Language of the messages: en or af")->check(CLI::IsMember({"en", "af"}));
    registry().push_back({generate, [&o](std::ostream& out) {
                              return runGenerateCommand(o.dir, o.start, o.apply, out, std::cerr, parseLanguage(o.lang));
                          }});

    static std::string exchangeFile, exchangeSet;
    auto* exportCmd = app.add_subcommand("export", "Write the stored programme to a workbook from the template");
    exportCmd->add_option("DIR", o.dir, "Suite folder")->required();
    exportCmd->add_option("FILE", exchangeFile, "Workbook to write (.xlsx)")->required();
    exportCmd->add_option("--set", exchangeSet, "Reference (Verw) of the record set whose records go along");
    exportCmd->add_option("--lang", o.lang, "Language of the texts: en or af")->check(CLI::IsMember({"en", "af"}));
    static bool exportForce = false;
    exportCmd->add_flag("--force", exportForce, "Replace the workbook when it exists");
    registry().push_back({exportCmd, [&o](std::ostream& out) {
                              return runExportCommand(o.dir, exchangeFile, exchangeSet, parseLanguage(o.lang), out,
                                                      exportForce);
                          }});
    auto* importCmd = app.add_subcommand("import", "Store the programme of a workbook as the Compile tab's Save does");
    importCmd->add_option("DIR", o.dir, "Suite folder")->required();
    importCmd->add_option("FILE", exchangeFile, "Workbook to read (.xlsx, .ods or .xls)")->required();
    importCmd->add_option("--set", exchangeSet, "Reference (Verw) of the record set to store the records in");
    importCmd->add_option("--lang", o.lang, "Language of the texts: en or af")->check(CLI::IsMember({"en", "af"}));
    static bool importForce = false;
    importCmd->add_flag("--force", importForce,
                        "Store a list that ended early at a blank number though it leaves far fewer rows");
    registry().push_back({importCmd, [&o](std::ostream& out) {
                              return runImportCommand(o.dir, exchangeFile, exchangeSet, parseLanguage(o.lang), out,
                                                      importForce);
                          }});

    static LynxCommandOptions lynxOptions;
    auto* lynx = app.add_subcommand("lynx", "Write the photo-finish start lists lynx.evt, lynx.ppl and lynx.sch");
    lynx->add_option("DIR", o.dir, "Suite folder")->required();
    lynx->add_option("FOLDER", lynxOptions.folder, "Folder the camera reads its start lists from")->required();
    lynx->add_option("--day", lynxOptions.day, "Only the races of this day (1 to 3)");
    lynx->add_option("--day-offset", lynxOptions.dayOffset,
                     "Number day d's events (d - 1) x K + number, so one camera folder serves every day of a "
                     "meeting that numbers each day from 1 (K from 1 to 45000, at least the highest number of a day)");
    lynx->add_option("--encoding", lynxOptions.encoding,
                     "windows-1252 (names transliterated: \"\u0141\" is written \"L\") or utf-8");
    lynx->add_option("--lang", o.lang, "Language of the texts: en or af")->check(CLI::IsMember({"en", "af"}));
    lynx->footer("Event numbers: the programme number (1 to 9999), plus (day - 1) x K with --day-offset K, plus "
                 "100000 x the sub letter's place in the alphabet (a = 1 ... z = 26): 12 = 12, 12a = 100012, "
                 "12b = 200012; with --day-offset 1000 day 2's 12a = 101012. A sub letter never takes another "
                 "event's number. Every race of a meeting of up to 9,999 events a day and three days gets a "
                 "number of its own when K is at least the day's highest event number.\n");
    registry().push_back(
        {lynx, [&o](std::ostream& out) { return runLynxCommand(o.dir, lynxOptions, parseLanguage(o.lang), out); }});

    auto* print = app.add_subcommand("print",
                                     "Write a printout (programme, records or analysis) as PDF and its document file");
    PrintCommandOptions& p = o.print;
    print->add_option("DIR", o.dir, "Suite folder")->required();
    print->add_option("--what", p.what, "standard, gate, records or analysis");
    print->add_option("--set", p.set, "Records and analysis: the reference of the record set to print");
    print->add_option("--analysis-order", p.analysisOrder, "Analysis: events or number (of competitors)");
    print->add_option("--columns", p.columns, "Records: name,surname,gen,age,year,date,track,team");
    print->add_option("--pdf", p.pdf, "PDF file to write")->required();
    print->add_option("--records", p.records, "Records included: none, values or all");
    print->add_option("--record-date", p.recordDate, "Record date with all data: none, full or year");
    print->add_option("--day", p.day, "Day in the heading (1 to 3) instead of all days");
    print->add_option("--order", p.order, "Print order: number, event, gender-age or gender-age-event");
    print->add_option("--font", p.font, "Font size in points, 6 to 16");
    print->add_option("--names", p.names, "Gate programme names: none, entry or draw");
    print->add_flag("--initials", p.initials, "Initials instead of full names");
    print->add_option("--results", p.results, "Fill-in result lines: 3, 6 or 9");
    print->add_flag("--alt-language", p.altLanguage, "Alternate the gate headings with the other language");
    print->add_flag("--ids", p.ids, "Gate programme: the athlete code or team number before each name");
    print->add_option("--lang", p.lang, "Language of the texts: en or af");
    registry().push_back({print, [&o](std::ostream& out) { return runPrintCommand(o.dir, o.print, out, std::cerr); }});

    static PublishCommandOptions web;
    auto* publish = app.add_subcommand("publish", "Write the programme as a web page folder with every start list");
    publish->add_option("DIR", o.dir, "Suite folder")->required();
    publish->add_option("FOLDER", web.folder, "Folder to write (replaced whole; index.html, records.html)")->required();
    publish->add_option("--records", web.records, "Records beside each event: none, values or all");
    publish->add_option("--set", web.set, "Reference (Verw) of the record set for records.html");
    publish->add_option("--day", web.day, "Only this day (1 to 3) instead of all days");
    publish->add_option("--lang", web.lang, "Language of the texts: en or af");
    registry().push_back({publish, [&o](std::ostream& out) { return runPublishCommand(o.dir, web, out); }});

    static std::string webFolder;
    static bool webFolderOff = false;
    auto* folderCmd = app.add_subcommand("web-folder", "Show or set the folder every Save publishes the web site into");
    folderCmd->add_option("DIR", o.dir, "Suite folder")->required();
    folderCmd->add_option("FOLDER", webFolder, "Folder to publish into after every Save");
    folderCmd->add_flag("--off", webFolderOff, "Publish no more on Save");
    registry().push_back(
        {folderCmd, [&o](std::ostream& out) { return runWebFolderCommand(o.dir, webFolder, webFolderOff, out); }});
}

namespace {

// The language a command was given (--lang), English by default.
Language chosenLanguage(const CLI::App& sub)
{
    const CLI::Option* chosen = sub.get_option_no_throw("--lang");
    return chosen && !chosen->empty() && chosen->as<std::string>() == "af" ? Language::Afrikaans : Language::English;
}

// A suite that was copied or moved writes into itself; say so once, before the command.
void noteMovedFolders(const CLI::App& sub, std::ostream& err)
{
    const CLI::Option* dir = sub.get_option_no_throw("DIR");
    if (!dir || dir->empty() || sub.get_name() == "setup")
        return;
    std::unique_ptr<DataStore> store;
    try {
        store = DataStore::open(dir->as<std::string>());
    } catch (const std::exception&) {
        return; // the command itself says what is wrong with the suite
    }
    const std::string note = movedFoldersNote(store->movedFolders(), isEnglish(chosenLanguage(sub)));
    if (!note.empty())
        err << "dravik " << sub.get_name() << ": " << note << "\n";
}

// The failure in the language the command was given.
std::string errorText(const CLI::App& sub, const std::exception& e)
{
    const Language lang = chosenLanguage(sub);
    // The window says this in Afrikaans whatever its language; the command says it as asked.
    if (isEnglish(lang) && std::string_view(e.what()) == kNoRecordSetChosen)
        return "No record set was chosen.";
    return wordedMessage(e, lang);
}

} // namespace

int runSelected(CLI::App& app, std::ostream& out, std::ostream& err)
{
    (void)app;
    for (auto& r : registry()) {
        if (!r.sub->parsed())
            continue;
        try {
            noteMovedFolders(*r.sub, err);
            return r.run(out);
        } catch (const std::exception& e) {
            err << "dravik " << r.sub->get_name() << ": " << errorText(*r.sub, e) << "\n";
            return 1;
        }
    }
    err << "dravik: no command given\n";
    return 2;
}

} // namespace dravik::cli
