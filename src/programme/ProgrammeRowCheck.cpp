#include "programme/ProgrammeRowCheck.h"

#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"

#include <algorithm>
#include <cmath>

namespace dravik {

namespace {

size_t characterCount(std::string_view text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(),
                                              [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

EntryResult checkEventTime(std::string_view text, Language lang)
{
    if (text.empty() || isValidClockTime(text))
        return {};
    std::string shown(text);
    if (isEnglish(lang))
        return {"The time \"" + shown + "\" is not a valid time. Type it as hh:mm, from 00:00 to 23:59.",
                "Invalid time"};
    return {"Die tyd \"" + shown + "\" is nie 'n geldige tyd nie. Tik dit as hh:mm, van 00:00 tot 23:59.",
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
    std::string_view t = text;
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    bool digits = !t.empty() && t.size() <= 4 &&
                  std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && std::stoi(std::string(t)) >= 1)
        return {};
    std::string shown(text), name(field);
    if (isEnglish(lang))
        return {"The event number \"" + shown + "\" in " + name + " is not valid. Type a whole number from 1 to 9999.",
                "Invalid number"};
    return {"Die itemnommer \"" + shown + "\" in " + name + " is nie geldig nie. Tik 'n heelgetal van 1 tot 9999.",
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
        if (subLetterPlace(text) >= 0)
            return {};
        return en ? EntryResult{"The sub number \"" + std::string(text) + "\" is not valid: type one letter, a to z.",
                                "Invalid sub"}
                  : EntryResult{"Die sub nommer \"" + std::string(text) + "\" is nie geldig nie: tik een letter, a tot z.",
                                "Ongeldige sub"};
    case pcol::Point:
        if (characterCount(text) <= 3)
            return {};
        return en ? EntryResult{"A participation point holds at most 3 characters.", "Too long"}
                  : EntryResult{"'n Deelname punt het hoogstens 3 karakters.", "Te lank"};
    case pcol::Day: {
        int days = std::clamp(meetingDays, 1, 3);
        double d = textToNumber(text);
        if (isNumericText(text) && d >= 1 && d <= days && d == std::floor(d))
            return {};
        std::string range = days == 1 ? "1" : "1 to " + std::to_string(days);
        return en ? EntryResult{"The day \"" + std::string(text) + "\" is not a day of this meeting: type " + range + ".",
                                "Invalid day"}
                  : EntryResult{"Die dag \"" + std::string(text) + "\" is nie 'n dag van die byeenkoms nie: tik " +
                                    (days == 1 ? std::string("1") : "1 tot " + std::to_string(days)) + ".",
                                "Ongeldige dag"};
    }
    default:
        return {};
    }
}

EntryResult checkProgrammeRow(const std::vector<std::string>& cells, int row, Language lang, int meetingDays)
{
    for (int col : {pcol::Number, pcol::Sub, pcol::Time, pcol::Point, pcol::Day}) {
        const std::string& text = col < static_cast<int>(cells.size()) ? cells[col] : std::string();
        EntryResult check = checkProgrammeCell(col, text, lang, meetingDays);
        if (check.ok())
            continue;
        const std::string column = programmeHeader(lang)[col];
        check.message = (isEnglish(lang) ? "Row " : "Ry ") + std::to_string(row) + ", " +
                        (isEnglish(lang) ? "column " : "kolom ") + column + ": " + check.message;
        return check;
    }
    return {};
}

} // namespace dravik
