// SPDX-License-Identifier: GPL-3.0-or-later
#include "startlists/EntrantNames.h"

#include "platform/PrintableText.h"
#include "platform/RecordSet.h"
#include "platform/TextNumber.h"

#include <cmath>

namespace dravik {

EntrantNames::EntrantNames(RecordSet& atld30, RecordSet& atld20)
{
    athletes_.reserve(atld30.recordCount());
    for (atld30.moveFirst(); !atld30.eof(); atld30.moveNext())
        athletes_.try_emplace(
            {atld30.field("SpanNo").number(), atld30.field("Nommer").number()},
            Athlete{printableText(atld30.field("Naam").text()), printableText(atld30.field("Van").text())});
    for (atld20.moveFirst(); !atld20.eof(); atld20.moveNext())
        teams_.try_emplace(atld20.field("Nommer").number(), Team{printableText(atld20.field("Naam").text()),
                                                                 printableText(atld20.field("Afkort").text())});
}

const EntrantNames::Athlete* EntrantNames::findAthlete(double code) const
{
    const double teamNumber = std::floor(code / 1000);
    auto it = athletes_.find({teamNumber, code - 1000 * teamNumber});
    return it == athletes_.end() ? nullptr : &it->second;
}

const EntrantNames::Team* EntrantNames::findTeam(double teamNumber) const
{
    auto it = teams_.find(teamNumber);
    return it == teams_.end() ? nullptr : &it->second;
}

} // namespace dravik
