#include "printing/EntrantNames.h"

#include "platform/RecordSet.h"
#include "platform/TextNumber.h"
#include "printing/PrintableText.h"
#include "printing/TextFit.h"

#include <cmath>

namespace dravik::printing {

EntrantNames::EntrantNames(RecordSet& atld30, RecordSet& atld20)
{
    athletes_.reserve(atld30.recordCount());
    for (atld30.moveFirst(); !atld30.eof(); atld30.moveNext())
        athletes_.try_emplace({atld30.field("SpanNo").number(), atld30.field("Nommer").number()},
                              Athlete{printableText(atld30.field("Naam").text()), printableText(atld30.field("Van").text())});
    for (atld20.moveFirst(); !atld20.eof(); atld20.moveNext())
        teams_.try_emplace(atld20.field("Nommer").number(),
                           Team{printableText(atld20.field("Naam").text()), printableText(atld20.field("Afkort").text())});
}

std::string EntrantNames::teamSuffix(double teamNumber) const
{
    auto it = teams_.find(teamNumber);
    return it == teams_.end() ? std::string() : " (" + it->second.afkort + ")   ";
}

std::string EntrantNames::team(double teamNumber) const
{
    auto it = teams_.find(teamNumber);
    return it == teams_.end() ? std::string() : it->second.naam + teamSuffix(teamNumber);
}

const EntrantNames::Athlete* EntrantNames::findAthlete(double code) const
{
    double teamNumber = std::floor(code / 1000);
    auto it = athletes_.find({teamNumber, code - 1000 * teamNumber});
    return it == athletes_.end() ? nullptr : &it->second;
}

const EntrantNames::Team* EntrantNames::findTeam(double teamNumber) const
{
    auto it = teams_.find(teamNumber);
    return it == teams_.end() ? nullptr : &it->second;
}

std::string EntrantNames::athlete(double code, NameStyle style) const
{
    double teamNumber = std::floor(code / 1000);
    double athleteNumber = code - 1000 * teamNumber;
    std::string text;
    auto it = athletes_.find({teamNumber, athleteNumber});
    if (it != athletes_.end()) {
        const Athlete& a = it->second;
        text = (style == NameStyle::FullName ? a.naam : firstChars(a.naam, 1)) + " " + a.van;
    }
    return text + teamSuffix(teamNumber);
}

std::string EntrantNames::athleteName(double code, NameStyle style) const
{
    const double teamNumber = std::floor(code / 1000);
    auto it = athletes_.find({teamNumber, code - 1000 * teamNumber});
    if (it == athletes_.end())
        return {};
    return (style == NameStyle::FullName ? it->second.naam : firstChars(it->second.naam, 1)) + " " + it->second.van;
}

std::string EntrantNames::teamName(double teamNumber) const
{
    auto it = teams_.find(teamNumber);
    return it == teams_.end() ? std::string() : it->second.naam;
}

std::string EntrantNames::teamAbbreviation(double teamNumber) const
{
    auto it = teams_.find(teamNumber);
    return it == teams_.end() ? std::string() : it->second.afkort;
}

} // namespace dravik::printing
