// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/ProgrammeRowTexts.h"

#include "platform/TextNumber.h"

namespace dravik::printing {

std::string standardGenderLabel(const std::string& gender, const std::string& ageText, Language lang)
{
    const bool english = isEnglish(lang);
    const bool male = gender == maleWord(lang);
    const double age = textToNumber(ageText);
    const std::string shown = trimmed(ageText);
    const char* men = english ? "Men" : "Mans";
    const char* women = english ? "Women" : "Vroue";
    if (age == 25)
        return male ? men : women;
    if (age < 19)
        return std::string(male ? (english ? "Boys - " : "Seuns - ") : (english ? "Girls - " : "Dogters - ")) + shown;
    return std::string(male ? men : women) + " - " + shown;
}

std::vector<std::string> standardProgrammeHeader(Language lang, RecordsIncluded records, RecordDate date)
{
    const bool english = isEnglish(lang);
    std::vector<std::string> header = english
                                          ? std::vector<std::string>{"It No", "Time",  "Gender",
                                                                     "Event", "Place", "Level"}
                                          : std::vector<std::string>{"It No", "Tyd", "Geslag", "Item", "Plek", "vlak"};
    if (records == RecordsIncluded::None)
        return header;
    header.push_back(english ? "Record" : "Rekord");
    if (records == RecordsIncluded::AllData) {
        for (const char* title : english ? std::vector<const char*>{"Athlete", "Team", "Track"}
                                         : std::vector<const char*>{"Atleet", "Span", "Baan"})
            header.push_back(title);
        if (date != RecordDate::None)
            header.push_back(english ? "Date" : "Datum");
    }
    return header;
}

const char* newEventText(Language lang)
{
    return isEnglish(lang) ? " New event" : " Nuwe item";
}

} // namespace dravik::printing
