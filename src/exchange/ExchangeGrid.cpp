// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ExchangeGrid.h"

#include "exchange/Workbook.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"
#include "programme/ProgrammeRowCheck.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace dravik {

namespace {

const std::string kFinal = "Finaal", kSemi = "Semi-finaal", kQuarter = "Kwart-eind";

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

char firstLetter(const std::string& text)
{
    std::string t = trimmed(text);
    return t.empty() ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
}

std::string clockText(int minutes)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d:%02d", (minutes / 60) % 24, minutes % 60);
    return buf;
}

// A sheet's level: a full level name of either list (either case), else by first letter.
struct SheetLevel {
    size_t index;
    Language lang;
};

SheetLevel sheetLevel(const std::string& text)
{
    std::string key = lowered(trimmed(text));
    for (Language lang : {Language::Afrikaans, Language::English}) {
        const auto& levels = levelTexts(lang);
        for (size_t i = 0; i < levels.size(); ++i)
            if (lowered(levels[i]) == key)
                return {i, lang};
    }
    if (key == lowered(kSemi))
        return {2, Language::Afrikaans};
    if (key == lowered(kQuarter))
        return {3, Language::Afrikaans};
    switch (firstLetter(text)) {
    case 'F':
        return {0, Language::Afrikaans};
    case 'S':
        return {2, Language::Afrikaans};
    default:
        return {3, Language::Afrikaans};
    }
}

} // namespace

const std::vector<std::string>& exchangeHeader()
{
    static const std::vector<std::string> header = {"No",   "",      "Time",   "Gen",  "Age",  "Event",
                                                    "H/F",  "Place", "Record", "Year", "Name", "Surname",
                                                    "Team", "Table", "Tpe",    "Day"};
    return header;
}

void setupExchangeGrid(GridModel& grid)
{
    grid.setRows(1);
    grid.setCols(xcol::Count);
    grid.setHeader(exchangeHeader());
    static const int widths[] = {540, 405, 630, 885, 480, 1500, 1080, 600, 900, 600, 1200, 1200, 1500, 700, 500, 435};
    for (int c = 0; c < xcol::Count; ++c) {
        grid.setColWidth(c, widths[c]);
        grid.setColHidden(c, c == xcol::Table || c == xcol::Type);
    }
}

std::string genderFromSheet(const std::string& text)
{
    return firstLetter(text) == 'M' ? "Manlik" : "Vroulik";
}

std::string levelFromSheet(const std::string& text)
{
    SheetLevel level = sheetLevel(text);
    switch (level.index) {
    case 0:
        return kFinal;
    case 2:
        return kSemi;
    case 3:
        return kQuarter;
    default:
        return levelTexts(level.lang)[level.index];
    }
}

std::string timeFromSheet(const SheetCell& cell)
{
    if (cell.kind == SheetCell::Kind::Number) {
        double fraction = cell.number - std::floor(cell.number);
        int minutes = static_cast<int>(std::lround(fraction * 24 * 60)) % (24 * 60);
        return clockText(minutes);
    }
    std::string t = trimmed(cell.text);
    // A date and time ("1899-12-30 09:00:00") gives its time.
    if (size_t blank = t.rfind(' '); blank != std::string::npos)
        t = t.substr(blank + 1);
    // A time typed as text reads as a typed start time reads.
    if (auto time = clockTimeText(t))
        return *time;
    // A day fraction typed as text.
    if (isNumericText(t)) {
        double v = textToNumber(t);
        if (v >= 0 && v < 1)
            return timeFromSheet(SheetCell::ofNumber(v));
    }
    // No time of day: the text stays as it is, so that the row check names it.
    return trimmed(cell.text);
}

std::string dayFromSheet(const SheetCell& cell)
{
    if (cell.empty())
        return "1";
    return trimmed(cell.asText());
}

std::string outputWorkbookName(const std::string& typed)
{
    std::string name = trimmed(typed);
    if (name.empty())
        return "Program.xlsx";
    return name.substr(0, name.find('.')) + ".xlsx";
}

std::string definitionCode(const std::string& definitionText)
{
    std::string code = "0000" + trimmed(definitionText);
    return code.substr(code.size() - 4);
}

std::string eventCodeText(const std::string& eventName, const std::string& definitionText)
{
    return eventName + " - " + definitionCode(definitionText);
}

bool splitEventCode(const std::string& text, std::string& name, std::string& definition)
{
    std::string t = trimmed(text);
    size_t at = t.rfind(" - ");
    if (at == std::string::npos)
        return false;
    std::string code = trimmed(t.substr(at + 3));
    if (!isNumericText(code))
        return false;
    name = t.substr(0, at);
    definition = formatNumber(textToNumber(code));
    return true;
}

std::string eventTypeText(const DefinitionList& definitions, const std::string& definitionText)
{
    std::string t = trimmed(definitionText);
    if (t.empty())
        return {};
    int i = definitions.find(textToNumber(t));
    if (i >= definitions.count())
        return {};
    return std::to_string(definitions.at(i).tipe);
}

void readFromProgramme(const GridModel& programme, const DefinitionList& definitions, GridModel& exchange)
{
    exchange.beginUpdate();
    exchange.setRows(1);
    for (int r = 1; r < programme.rows(); ++r) {
        const auto& p = programme.rowCells(r);
        std::vector<std::string> row(xcol::Count);
        for (int c = 0; c <= xcol::Place; ++c)
            row[c] = p[c];
        row[xcol::Table] = p[pcol::Definition];
        row[xcol::Type] = eventTypeText(definitions, p[pcol::Definition]);
        row[xcol::Day] = p[pcol::Day];
        exchange.addRow(std::move(row));
    }
    exchange.endUpdate();
}

std::string programmeLevel(const std::string& exchangeLevel, Language lang)
{
    const auto& levels = levelTexts(lang);
    for (const auto& level : levels)
        if (level == exchangeLevel)
            return level;
    if (isNumericText(exchangeLevel))
        return exchangeLevel;
    // The exchange texts, and any other text read as the import reads a sheet.
    return levels[sheetLevel(exchangeLevel).index];
}

ProgrammeWrite writeToProgramme(const GridModel& exchange, Language lang, int meetingDays, GridModel& programme)
{
    ProgrammeWrite result;
    if (exchange.rows() < 2) {
        result.refused = isEnglish(lang)
                             ? EntryResult{"The exchange grid holds no events: read a workbook or the programme "
                                           "first. The programme was not changed.",
                                           "Nothing to write"}
                             : EntryResult{"Die ruilrooster hou geen items nie: lees eers 'n werkboek of die "
                                           "program. Die program is nie verander nie.",
                                           "Niks om te skryf nie"};
        return result;
    }
    // Every row is built and checked before the programme grid is touched.
    std::vector<std::vector<std::string>> rows;
    rows.reserve(exchange.rows() - 1);
    for (int r = 1; r < exchange.rows(); ++r) {
        const auto& x = exchange.rowCells(r);
        std::vector<std::string> row(pcol::Count);
        for (int c = 0; c <= pcol::Point; ++c)
            row[c] = x[c];
        row[pcol::Gender] = firstLetter(x[xcol::Gender]) == 'M' ? maleWord(lang) : femaleWord(lang);
        row[pcol::Level] = programmeLevel(x[xcol::Level], lang);
        row[pcol::Definition] = trimmed(x[xcol::Table]);
        row[pcol::HE] = "H";
        row[pcol::Wind] = "0";
        std::string day = trimmed(x[xcol::Day]);
        row[pcol::Day] = day.empty() ? "1" : day;
        EntryResult check = checkProgrammeRow(row, r, lang, meetingDays);
        if (!check.ok()) {
            result.refusedRow = r;
            result.refused = std::move(check);
            return result;
        }
        rows.push_back(std::move(row));
    }
    programme.beginUpdate();
    programme.setRows(1);
    for (auto& row : rows)
        programme.addRow(std::move(row));
    programme.endUpdate();
    programme.setCurrent(1, 0);
    result.rows = programme.rows() - 1;
    return result;
}

} // namespace dravik
