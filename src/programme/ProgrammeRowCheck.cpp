// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme/ProgrammeRowCheck.h"

#include "data/ReferenceData.h"
#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"

#include <algorithm>

namespace dravik {

namespace {

bool allDigits(std::string_view t)
{
    return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<int> wholeNumberUpTo(std::string_view text, int highest)
{
    std::string t = trimmed(text);
    if (!allDigits(t) || t.size() > 4)
        return std::nullopt;
    int n = std::stoi(t);
    if (n < 1 || n > highest)
        return std::nullopt;
    return n;
}

std::string quotedText(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::optional<int> readEventNumber(std::string_view text)
{
    return wholeNumberUpTo(text, 9999);
}

std::optional<std::string> readEventTime(std::string_view text)
{
    if (trimmed(text).empty())
        return std::string("00:00");
    return clockTimeText(text);
}

std::optional<int> readEventDay(std::string_view text, int meetingDays)
{
    if (trimmed(text).empty())
        return 1;
    return wholeNumberUpTo(text, std::clamp(meetingDays, 1, 3));
}

bool isEventSub(std::string_view text)
{
    return subLetterPlace(trimmed(text)) >= 0;
}

bool isEventPoint(std::string_view text)
{
    return characterCount(text) <= 3;
}

EntryResult checkEventTime(std::string_view text, Language lang)
{
    if (readEventTime(text))
        return {};
    if (isEnglish(lang))
        return {"The time " + quotedText(text) + " is not a valid time. Type it as hh:mm, from 00:00 to 23:59.",
                "Invalid time"};
    return {"Die tyd " + quotedText(text) + " is nie 'n geldige tyd nie. Tik dit as hh:mm, van 00:00 tot 23:59.",
            "Ongeldige tyd"};
}

int subLetterPlace(std::string_view sub)
{
    while (!sub.empty() && sub.front() == ' ')
        sub.remove_prefix(1);
    while (!sub.empty() && sub.back() == ' ')
        sub.remove_suffix(1);
    if (sub.empty())
        return 0;
    if (sub.size() != 1)
        return -1;
    const char c = sub.front();
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 1;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 1;
    return -1;
}

EntryResult checkEventNumber(std::string_view text, std::string_view field, Language lang)
{
    if (readEventNumber(text))
        return {};
    std::string name(field);
    if (isEnglish(lang))
        return {"The event number " + quotedText(text) + " in " + name +
                    " is not valid. Type a whole number from 1 to 9999.",
                "Invalid number"};
    return {"Die itemnommer " + quotedText(text) + " in " + name +
                " is nie geldig nie. Tik 'n heelgetal van 1 tot 9999.",
            "Ongeldige nommer"};
}

EntryResult checkProgrammeCell(int col, std::string_view text, Language lang, int meetingDays)
{
    const bool en = isEnglish(lang);
    switch (col) {
    case pcol::Number:
        return checkEventNumber(text, programmeHeader(lang)[pcol::Number], lang);
    case pcol::Time:
        return checkEventTime(text, lang);
    case pcol::Sub:
        if (isEventSub(text))
            return {};
        return en ? EntryResult{"The sub number " + quotedText(text) +
                                    " is not valid: type one letter, a to z, or leave it empty.",
                                "Invalid sub number"}
                  : EntryResult{"Die sub nommer " + quotedText(text) +
                                    " is nie geldig nie: tik een letter, a tot z, of laat dit leeg.",
                                "Ongeldige sub nommer"};
    case pcol::Point:
        if (isEventPoint(text))
            return {};
        return en ? EntryResult{"The participation point " + quotedText(text) + " holds more than 3 characters.",
                                "Too long"}
                  : EntryResult{"Die deelname punt " + quotedText(text) + " het meer as 3 karakters.", "Te lank"};
    case pcol::Day: {
        if (readEventDay(text, meetingDays))
            return {};
        int days = std::clamp(meetingDays, 1, 3);
        std::string range = days == 1 ? "1" : (en ? "1 to " : "1 tot ") + std::to_string(days);
        return en ? EntryResult{"The day " + quotedText(text) + " is not a day of this meeting: type " + range + ".",
                                "Invalid day"}
                  : EntryResult{"Die dag " + quotedText(text) + " is nie 'n dag van die byeenkoms nie: tik " + range +
                                    ".",
                                "Ongeldige dag"};
    }
    default:
        return {};
    }
}

EntryResult checkProgrammeRow(const std::vector<std::string>& cells, int row, Language lang, int meetingDays,
                              const DefinitionList* definitions)
{
    const bool en = isEnglish(lang);
    auto cellAt = [&](int col) { return col < static_cast<int>(cells.size()) ? cells[col] : std::string(); };
    auto named = [&](int col, EntryResult check) {
        check.message = (en ? "Row " : "Ry ") + std::to_string(row) + ", " + (en ? "column " : "kolom ") +
                        programmeHeader(lang)[col] + ": " + check.message;
        return check;
    };
    for (int col : {pcol::Number, pcol::Sub, pcol::Time, pcol::Point, pcol::Day}) {
        EntryResult check = checkProgrammeCell(col, cellAt(col), lang, meetingDays);
        if (!check.ok())
            return named(col, std::move(check));
    }
    if (definitions) {
        const std::string definition = trimmed(cellAt(pcol::Definition));
        if (!isNumericText(definition) || definitions->find(textToNumber(definition)) >= definitions->count())
            return named(pcol::Event, en ? EntryResult{"The event definition " + quotedText(definition) +
                                                           " is not one of the meeting's event definitions.",
                                                       "Unknown event"}
                                         : EntryResult{"Die itemdefinisie " + quotedText(definition) +
                                                           " is nie een van die byeenkoms se itemdefinisies nie.",
                                                       "Onbekende item"});
    }
    return {};
}

} // namespace dravik
