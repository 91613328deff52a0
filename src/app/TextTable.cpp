// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TextTable.h"

#include <cstring>
#include <stdexcept>

namespace dravik {

namespace {

// clang-format off
const WindowText kTexts[] = {
    // Window, tabs and the buttons beside them
    {"title", "Dravik Sport - Program", "Dravik Sport - Program", ""},
    {"tab0", "Compile", "Saamstel", ""},
    {"tab1", "Records", "Rekords", ""},
    {"tab2", "Import/Export", "Import/Export", ""},
    {"tab3", "Print", "Druk", ""},
    {"tab4", "Analyze", "Analiseer", ""},
    {"tab5", "Create Program", "Skep Program", ""},
    {"cmdAE", "Afrikaans", "Engels", "Change to the Afrikaans version"},
    {"cmdEinde", "Exit", "Einde", "Terminate this option"},
    {"cmdSave", "Save", "Stoor", "Save all modifications"},
    {"cmdHerlees", "Reload", "Herlaai", "Reloaod the last saved data"},
    // Messages
    {"msgExit", "Changes was made without using Save, Ignore it?", "Daar is veranderinge gemaak sonder Stoor, Ignoreer dit?", ""},
    {"msgExitTitle", "Program modifications.", "Proogram wysigings.", ""},
    {"msgMissingProgram", "Please set the path to your word/spreadsheet processor.", "Please set the path to your word/spreadsheet processor.", ""},
    {"msgSaved", "Current data was saved.", "Huidige data is gestoor.", ""},
    {"msgSavedTitle", "Save completed", "Stoor voltooid", ""},
    {"msgTransferTitle", "Save completed.", "Stoor voltooid.", ""},
    {"msgSaveFailedTitle", "Save failed", "Stoor het misluk", ""},
    {"msgStoredChangedTitle", "Overwrite the stored programme?", "Vervang die gestoorde program?", ""},
    {"msgSetsChangedTitle", "Overwrite the stored record sets?", "Vervang die gestoorde rekordstelle?", ""},
    {"msgRecordsChangedTitle", "Overwrite the stored records?", "Vervang die gestoorde rekords?", ""},
    {"msgRecordsChanged", "Another window or program has saved records of this set since it was displayed here. Overwrite them with this grid?\n\nNo shows the stored records again.", "'n Ander venster of program het rekords van hierdie stel gestoor sedert dit hier vertoon is. Vervang dit met hierdie rooster?\n\nNee wys die gestoorde rekords weer.", ""},
    {"msgSetsChanged", "Another window or program has saved the record sets since this window read them. Overwrite them with this list?\n\nNo keeps the stored sets and shows them here.", "'n Ander venster of program het die rekordstelle gestoor sedert hierdie venster dit gelees het. Vervang dit met hierdie lys?\n\nNee hou die gestoorde stelle en wys dit hier.", ""},
    {"msgStoredChanged", "Another window or program has saved the programme since this window loaded it. Overwrite the stored programme with this grid?\n\nNo keeps the stored programme and shows it here.", "'n Ander venster of program het die program gestoor sedert hierdie venster dit gelaai het. Vervang die gestoorde program met hierdie rooster?\n\nNee hou die gestoorde program en wys dit hier.", ""},
    // Event fields
    {"lblNumber", "Number", "Nommer", ""},
    {"txtNumber", "", "", "Event number on the program"},
    {"lblSub", "Sub", "Sub", ""},
    {"txtSub", "", "", "Optional for events with the saame number"},
    {"lblTime", "Time", "Tyd", ""},
    {"txtTime", "", "", "Starting time of the event"},
    {"lblGender", "Gender", "Gelag", ""},
    {"optGen(0)", "Male", "Manlik", ""},
    {"optGen(1)", "Female", "Vroulik", ""},
    {"lblAge", "Age", "Ouderdom", ""},
    {"cmbAge", "", "", "Age of athletes"},
    {"lblItem", "Event", "Item", ""},
    {"cmbItem", "", "", "Select the event from this list"},
    {"lblLevel", "Level", "Vlak", ""},
    {"cmbLevel", "", "", "Select the level of the event"},
    {"lblPoint", "Participation point", "Deelname punt", ""},
    {"lblPointNote", "Field events (A,B)", "Veld items (A,B)", ""},
    {"txtPoint", "", "", "Participating point for field events (optional)"},
    {"lblDagn", "Day", "Dag", ""},
    {"cmbDagn", "", "", "Day number of the event"},
    {"fraAmp", "Events", "Items", ""},
    {"optAmp(0)", "All", "Alle", ""},
    {"optAmp(1)", "Official", "Amptelik", ""},
    // Entry and modify panels
    {"cmdAdd", "New Event", "Nuwe Item", "Add a new event"},
    {"cmdWysig", "Modify", "Wysig", "Modify the current event"},
    {"cmdUpdate", "Move data to program list", "Skuif data na program lys", ""},
    {"cmdCancel", "End of new Events", "Einde van nuwe items", ""},
    {"lblNuut", "Complete the event data and then use the 'Move' option to transfer the data.    On completion of all new events, use the  'End' option.  Remeber to save the modified data!",
                "Voltooi die item data en gebruik dan die 'Skuif' opsie om die data oor te dra.       As alles klaar is, kliek die 'Einde' opsie.                Onthou om daarna die wysigings te Stoor!", ""},
    {"cmdVoltooi", "Complete", "Voltooi", ""},
    {"Label52", "Apply the modifications and then select the Complete option", "Bring wysigings aan en kies dan die Voltooi opsie", ""},
    // Ordering operations
    {"cmdDelete", "Delete", "Skraap", "Delete the current event"},
    {"cmdClear", "Clear", "Skoon", "Cleaar all current events"},
    {"cmdMove", "Move Event(s)", "Skuif Item(s)", "Move event(s) to new positions"},
    {"cmdRenum", "Renumber", "Hernommer", "Renumber events in the displayed order"},
    {"cmdVolg", "Order", "Volgorde", "Select a display order"},
    {"cmdMoveEnd", "End Moves", "Einde Skuif", ""},
    {"lblMove1", "1 Click on the event to be moved.", "1 Kliek die item wat moet skuif.", ""},
    {"lblMove2", "2 Click on the new position of the event.", "2 Kliek op die nuwe posisie van die item.", ""},
    {"lblMove3", "Repeat untill correct and then select the 'End Moves' option.", "Herhaal tot alle items geskuif is en kies dan 'Einde Skuif'.", ""},
    {"lblBegin", "Start", "Begin", ""},
    {"lblEind", "End", "Einde", ""},
    {"lblNBegin", "New start as", "Nuwe begin as", ""},
    {"cmdHerNou", "Continue", "Gaan voort", ""},
    {"cmdHerEinde", "Exit", "Einde", ""},
    {"optHer(0)", "All Events", "Alle Items", ""},
    {"optHer(1)", "Event Series", "Item Reeks", ""},
    {"chkHer", "Keep sub numbers", "Behou Sub nommers", ""},
    {"lblDisp", "Display Order", "Vertoon orde", ""},
    {"optDisp(0)", "Number", "Nommer", "Streng in nommer/sub volgorde"},
    {"optDisp(1)", "Event", "Items", "Sorteer volgens item"},
    {"optDisp(2)", "Gender/Age", "Geslag/Oud", "Sorteer per geslag en dan ouderdom"},
    {"optDisp(3)", "Gen/Age/Event", "Ges/Oud/Item", "Sorteer as geslag dan ouderdom en dan item"},
    {"optDPR(0)", "Program", "Program", ""},
    {"optDPR(1)", "Records", "Rekords", ""},
    {"optDPR(2)", "Analyze", "Analise", ""},
    {"optPrt(0)", "Standard program", "Standaard program", ""},
    {"optPrt(1)", "Full gate program", "Volle hek program", ""},
    {"fraRec", "Records included", "Rekords ingesluit", ""},
    {"optRec(0)", "None", "Geen", ""},
    {"optRec(1)", "Values only", "Net waardes", ""},
    {"optRec(2)", "All Data", "Alle Data", ""},
    {"lblRDat", "Record Date", "Rekord data", ""},
    {"optRDat(0)", "None", "Geen", ""},
    {"optRDat(1)", "Full", "Vol", ""},
    {"optRDat(2)", "Year", "Jaar", ""},
    {"chkDDae", "All Days", "Alle dae", ""},
    {"chkPopt(0)", "Include names", "Sluit name in", ""},
    {"chkPopt(1)", "Draw order names", "Name in loting orde", ""},
    {"optVol(0)", "Full Name", "Volle name", ""},
    {"optVol(1)", "Initials", "Voorletters", ""},
    {"Label47", "No of Results", "No of Results", ""},
    {"optPlace(0)", "3", "3", ""},
    {"optPlace(1)", "6", "6", ""},
    {"optPlace(2)", "9", "9", ""},
    {"chkTaal", "Alternative Language", "Alternative Language", ""},
    {"chkIds", "Competitor IDs", "Deelnemer-ID's", "Print each athlete's code or team's number before the name, to match it to the bib."},
    {"Check1(0)", "Name", "Name", ""},
    {"Check1(1)", "Surname", "Surname", ""},
    {"Check1(2)", "Gender", "Gender", ""},
    {"Check1(3)", "Age", "Age", ""},
    {"Check1(4)", "Year", "Year", ""},
    {"Check1(5)", "Date", "Date", ""},
    {"Check1(6)", "Track", "Track", ""},
    {"Check1(7)", "Team", "Team", ""},
    {"Check1(8)", "Record", "Record", ""},
    {"Check1(9)", "Event", "Event", ""},
    {"cmdPView", "Display", "Vertoon", "Display the selected data"},
    {"cmdPEdit", "Edit", "Redigeer", "Edit the last displayed data in MS Word"},
    {"cmdWeb", "Web page", "Webblad", "Write the program with its start lists as a web page and open it"},
    {"msgNoWordProcessorStart", "The document was written to %1, but the word processor %2 could not be started.", "Die dokument is na %1 geskryf, maar die woordverwerker %2 kon nie begin word nie.", ""},
    {"msgNoSpreadsheetStart", "The spreadsheet program %2 could not be started on %1.", "Die sigbladprogram %2 kon nie op %1 begin word nie.", ""},
    {"msgWriteRecordsTitle", "Write Records", "Skryf Rekords", ""},
    {"msgReadRecordsTitle", "Read Records", "Lees Rekords", ""},
    {"lblWebFolder", "Publish on Save to:", "Publiseer met Stoor na:", ""},
    {"txtWebFolder", "", "", "The folder every Save of the program or the records publishes the web site into; empty: none"},
    {"cmdWebFolder", "Set", "Stel", "Keep this web folder for every Save"},
    {"msgWebFolderSet", "Every Save of the program or the records now publishes the web site into %1.", "Elke Stoor van die program of die rekords publiseer nou die webwerf na %1.", ""},
    {"msgWebFolderOff", "Save publishes no web site.", "Stoor publiseer geen webwerf nie.", ""},
    {"msgWebNotPublished", "The data was saved, but the web site was not published into %1: %2", "Die data is gestoor, maar die webwerf is nie na %1 gepubliseer nie: %2", ""},
    {"msgNoBrowser", "The web page was written to %1, but no web browser could be opened.", "Die webblad is na %1 geskryf, maar geen webblaaier kon oopgemaak word nie.", ""},
    {"msgNoDocument", "The document %1 has not been written yet: press Display first.", "Die dokument %1 is nog nie geskryf nie: kies eers Vertoon.", ""},
    {"msgDocumentNotWritten", "The pages are shown, but the document file could not be written: %1", "Die bladsye word gewys, maar die dokument kon nie geskryf word nie: %1", ""},
    {"msgPrintTitle", "Print", "Druk", ""},
    {"msgReadAnalysis", "Read the data on the Analyze tab first: the analysis prints what was read there.", "Lees eers die data op die Analiseer blad: die analise druk wat daar gelees is.", ""},
    {"fraPOrde", "Print order ", "Druk orde", ""},
    {"optDisp1(0)", "Number", "Nommer", "Streng in nommer/sub volgorde"},
    {"optDisp1(1)", "Event", "Item", "Sorteer volgens item"},
    {"optDisp1(2)", "Gender/Age", "Geslag/Ouderdom", "Sorteer per geslag en dan ouderdom"},
    {"optDisp1(3)", "Gen/Age/Event", "Ges/Oud/Item", "Sorteer as geslag dan ouderdom en dan item"},
    {"cmdSluit", "Close", "Maak toe", ""},
    // Lists of the other tabs
    {"fraStel", " Available Records ", "Beskikbare Rekords", ""},
    {"lblFont", "Font size", "Font grootte", ""},
    {"lblDDag", "Day", "Dag", ""},
    {"fraDae", "Days", "Dae", ""},
    {"lblPRek", "Record set", "Rekordstel", ""},
    {"fraPRek", " Records ", " Rekords ", ""},
    {"lblPRek0", "Name:", "Naam:", ""},
    {"lblPRek1", "Surname:", "Van:", ""},
    {"lblPRek2", "Track:", "Baan", ""},
    {"lblPRek3", "Year:", "Jaar:", ""},
    {"lblPRek4", "Record:", "Rekord:", ""},
    {"cmdPRLees", "Read", "Lees", ""},
    {"cmdPRek", "Save", "Stoor", ""},
    // Records tab
    {"cmdSNuut", "New", "Nuut", "Add a new record set"},
    {"cmdSSkraap", "Delete", "Skraap", "Delete the current record set"},
    {"cmdRSave", "Save", "Stoor", "Save changes in set data"},
    {"cmdSLys", "Display", "Vertoon", "Display the selected record set"},
    {"cmdRekUit", "Export", "Uitvoer", ""},
    {"cmdRekIntrek", "Import", "Intrek", ""},
    {"txtRekstel", "", "", ""},
    {"fraRek", "(No set selected)", "(Geen stel gekies nie)", ""},
    {"cmdRStoor", "Save", "Stoor", "Save all changes to the current record set"},
    {"cmdRKies", "Select", "Kies", "Select another record set"},
    {"cmdRItems", "Program Events", "Program Items", "Select the events to be displayed"},
    {"msgPickRecordSet", "Click the record set to display first.", "Kliek eers op die rekordstel om te vertoon.", ""},
    {"msgDisplayRecordSet", "Display a record set on the Records tab first: the report prints the set shown there.", "Vertoon eers 'n rekordstel op die Rekords blad: die verslag druk die stel wat daar gewys word.", ""},
    {"lblIRek", "Record set", "Record set", ""},
    // Import/Export tab: the same texts in both windows
    {"cmdInvoer", "Write to Program", "Write to Program", "Transfer data to the program. It must be saved"},
    {"cmdProgLees", "Read from Prorgam", "Read from Prorgam", "Get current program for export."},
    {"cmdUitvoer", "Export", "Export", "Stoor die huidige data in die uitvoer sigblad."},
    {"cmdEdit", "Edit", "Edit", "Maak die sigblad oop in excel."},
    {"txtUit", "", "", "Name of the spreadsheet to be used for the uotput."},
    {"cmdRekLees", "Read Records", "Read Records", "Read corresponding records from the selected set."},
    {"cmdRekIn", "Write Records", "Write Records", "Save the rekords in the selected set."},
    {"msgNoSpreadsheet", "Your spreadsheet program is unavailable.  Use the Paths option to correct it.", "Your spreadsheet program is unavailable.  Use the Paths option to correct it.", ""},
    {"msgExported", "%1 events were written to %2.", "%1 items is geskryf na %2.", ""},
    {"msgBeyondImport", "The last %1 events lie below sheet row 1000, which an import does not read back.", "Die laaste %1 items is onder ry 1000 van die blad, wat 'n invoer nie weer lees nie.", ""},
    {"msgRecordsRead", "Records were found for %1 events.", "Rekords is gevind vir %1 items.", ""},
    {"msgRowsNotRead", "%1 rows below sheet row 1000 were not read: an import reads rows 6 to 1000.", "%1 rye onder ry 1000 van die blad is nie gelees nie: 'n invoer lees rye 6 tot 1000.", ""},
    {"msgHiddenName", "\"%1\" starts with \".\": the file list would not show it. Type another name.", "\"%1\" begin met \".\": die lêerlys sal dit nie wys nie. Tik 'n ander naam.", ""},
    {"msgOverwriteWorkbook", "%1 already exists. Replace it?", "%1 bestaan reeds. Vervang dit?", ""},
    {"msgRecordsWritten", "%1 records were stored in the set.", "%1 rekords is in die stel gestoor.", ""},
    {"cmdLynx", "Photo-finish", "Fotofinish", "Write the start lists of the photo-finish camera (lynx.evt, lynx.ppl, lynx.sch) into the chosen folder."},
    {"cmbLynxDag", "", "", "The day whose races are written"},
    {"spnLynxOffset", "", "", "Day offset K: day d's events are numbered (d - 1) x K + number, so one camera folder serves every day. 0: the programme numbers."},
    {"lblLynxOffset", "Day offset", "Dagverskuiwing", ""},
    {"msgLynxWritten", "%1 races with %2 competitors were written to lynx.evt, lynx.ppl and lynx.sch in %3.", "%1 lope met %2 deelnemers is na lynx.evt, lynx.ppl en lynx.sch in %3 geskryf.", ""},
    // Create Program tab: the same texts in both windows
    {"cmdNProg(0)", "Lees Items", "Lees Items", ""},
    {"cmdNProg(1)", "Skraap Item", "Skraap Item", ""},
    {"cmdNProg(2)", "Skep Program", "Skep Program", ""},
    {"cmdNProg(3)", "Dra oor", "Dra oor", ""},
    {"cmdNProg(4)", "Begin skoon", "Begin skoon", ""},
    {"chkNProg(0)", "Kombineer stap", "Kombineer stap", ""},
    {"chkNProg(1)", "Komb Hindernis", "Komb Hindernis", ""},
    {"chkNProg(2)", "Kombineer Gooie", "Kombineer Gooie", ""},
    {"chkNProg(3)", "Veld net 3 pogings", "Veld net 3 pogings", ""},
    {"chkNProg(4)", "Slegs finale", "Slegs finale", ""},
    {"Label22", "(Spies, Diskus en Hammer)", "(Spies, Diskus en Hammer)", ""},
    {"optNoud(0)", "6-13", "6-13", ""},
    {"optNoud(1)", "14-19", "14-19", ""},
    {"optNoud(2)", "6-19", "6-19", ""},
    {"optNoud(3)", "19 +", "19 +", ""},
    {"Label23", "Byeenkoms begin tyd", "Byeenkoms begin tyd", ""},
    {"Label24", "6 tot 13 jariges", "6 tot 13 jariges", ""},
    {"Label26", "14 tot 19 jariges", "14 tot 19 jariges", ""},
};
// clang-format on

const WindowText* find(const char* name)
{
    for (const auto& t : kTexts)
        if (std::strcmp(t.name, name) == 0)
            return &t;
    return nullptr;
}

} // namespace

bool hasWindowText(const char* name)
{
    return find(name) != nullptr;
}

QString windowText(Language lang, const char* name)
{
    const WindowText* t = find(name);
    if (!t)
        throw std::logic_error(std::string("no window text named ") + name);
    return QString::fromUtf8(isEnglish(lang) ? t->english : t->afrikaans);
}

QString toolTipOf(const char* name)
{
    const WindowText* t = find(name);
    return t ? QString::fromUtf8(t->toolTip) : QString();
}

} // namespace dravik
