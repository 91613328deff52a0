// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/GateEventText.h"

#include "platform/PrintableText.h"
#include "platform/TextNumber.h"
#include "printing/FormatRecordValue.h"
#include "printing/TextFit.h"

#include <map>

namespace dravik::printing {

namespace {

constexpr int kNormalHeading = 2, kAlternativeHeading = 1;

std::string alternativeLevel(const std::string& level)
{
    static const std::map<std::string, std::string> levels{{"Final", "Finaal"},
                                                           {"Final TP", "Finaal TP"},
                                                           {"Semi-Final", "Semi-Finaal"},
                                                           {"Quarter-Final", "Kwart-eind"},
                                                           {"Uitdun", "Heat"},
                                                           {"B Competition", "B Kompetisie"},
                                                           {"C Competition", "C Kompetisie"},
                                                           {"Pentathlon", "5 kamp"},
                                                           {"Heptathlon", "7 kamp"},
                                                           {"Octathlon", "8 kamp"},
                                                           {"Decathlon", "10 kamp"}};
    auto it = levels.find(level);
    return it == levels.end() ? level : it->second;
}

std::string blank(int n)
{
    return std::to_string(n) + " __________________";
}

} // namespace

std::string BuildEventHeading(const StartListEvent& row, const PrintOptions& options, PrintState& state)
{
    const Language lang = options.language;
    // One field per column, with no padding: the printed page sets the fields in
    // columns of their own, the same on every block.
    std::string text = (isEnglish(lang) ? "Event " : "Item ") + row.number + row.sub + "\t" + row.time;
    const bool alternative = options.alternativeLanguage && state.headingStyle == kNormalHeading;
    text += "\t" + genderAgeText(row.gender, row.age, lang, alternative) + "\t";
    const std::string& event = alternative ? row.eventAlt : row.event;
    const std::string level = alternative ? alternativeLevel(row.level) : row.level;
    state.headingStyle = alternative ? kAlternativeHeading : kNormalHeading;
    // Text from the data prints as text: a tab in a name must not make a column.
    text += printableText(event) + "\t" + printableText(row.place) + "\t" + printableText(level);
    return text;
}

void AppendRecordLines(std::string& text, double definition, int kind, const std::vector<RecordSymbol>& symbols,
                       const RecordLookup& records, const PrintOptions& options)
{
    const bool english = isEnglish(options.language);
    const int count = static_cast<int>(symbols.size());
    for (int i = 0; i < count; ++i) {
        const RecordEntry* rec = records.find(symbols[i].reference, definition).record;
        if (!rec)
            continue;
        if (rec->value == 0.01) {
            text += english ? " New Event" : " Nuwe item";
            continue;
        }
        text += symbols[i].symbol + " - " + FormatRecordValue(rec->value, kind) + "   ";
        if (options.records != RecordsIncluded::AllData)
            continue;
        text += trimmed(rec->naam + " " + rec->van) + "  " + trimmed(rec->span) + "  " + trimmed(rec->plek) + "  ";
        const bool notLast = i + 1 < count;
        switch (options.recordDate) {
        case RecordDate::None:
            if (notLast)
                text += "\r\n" + std::string(18, ' ');
            break;
        case RecordDate::Full:
            text += recordDateText(rec->datum);
            if (notLast)
                text += "\r\n" + std::string(14, ' ');
            break;
        case RecordDate::Year:
            text += rec->jaar;
            if (notLast)
                text += "\r\n" + std::string(16, ' ');
            break;
        }
    }
}

void AppendFillInArea(std::string& text, int resultLines)
{
    auto line = [&](int first) { text += blank(first) + "\t" + blank(first + 1) + "\t" + blank(first + 2) + "\r\n"; };
    if (resultLines <= 3) {
        text += "\r\n\r\n";
        line(1);
    } else {
        text += "\r\n";
        line(1);
        text += "\r\n";
        line(4);
        if (resultLines >= 9) {
            text += "\r\n";
            line(7);
        }
    }
    text += "   ";
}

std::string heatWord(const PrintOptions& options, const PrintState& state)
{
    return options.alternativeLanguage && state.headingStyle == kNormalHeading ? "Heat :" : "Lopie :";
}

} // namespace dravik::printing
