// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/PrintOptions.h"
#include "programme/Language.h"

#include <string>
#include <vector>

namespace dravik::printing {

// The texts of a standard programme row that other roads (the web page) show
// exactly as the printout does.

// "Men", "Boys - 12", "Women - 19": age 25 is the open class and prints no age.
std::string standardGenderLabel(const std::string& gender, const std::string& ageText, Language lang);

// The column titles: "It No|Time|Gender|Event|Place|Level", then "Record" for
// values only, or "Record|Athlete|Team|Track" (and "Date" unless the record date
// is None) for all data.
std::vector<std::string> standardProgrammeHeader(Language lang, RecordsIncluded records, RecordDate date);

// What the record column shows for a record value of 0.01: " New event".
const char* newEventText(Language lang);

} // namespace dravik::printing
