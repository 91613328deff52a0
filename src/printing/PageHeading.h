// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Document.h"
#include "printing/RecordSymbols.h"
#include "programme/Language.h"

#include <string>
#include <vector>

namespace dravik {
struct MeetingDetails;
}

namespace dravik::printing {

// Page margins are given in twips (1/1440 inch): 800 is about 1.4 cm.
double marginFromTwips(int twips);

// The heading of a programme page: the two logos, the meeting, the day or
// date, and the symbols of the active record sets.
class PageHeading {
public:
    PageHeading(const MeetingDetails& meeting, Language lang) : meeting_(meeting), lang_(lang) {}

    void setOwnLogo(std::string file) { ownLogo_ = std::move(file); }
    // The program logo's left edge: 12 cm on portrait pages, 22 cm on landscape ones.
    void setLogoLeft(double cm) { logoLeftCm_ = cm; }

    // Both logos, an empty line, "Meeting: name  (venue)" and an empty line.
    void top(Document& doc) const;
    // "Meeting: name  (venue)".
    std::string meetingLine() const;
    // "Day: 2 - 15/03/2026" on a meeting of more than one day (days 1 to 3
    // only), "Date: 14/03/2026" on a meeting of one day.
    void dayOrDateLine(Document& doc, int day) const;
    // "Day: ..." for days 1 to 3; nothing for any other day.
    void dayLine(Document& doc, int day) const;
    // "Record symbols in use:" and one line per active set.
    void recordSymbols(Document& doc, const std::vector<RecordSymbol>& symbols) const;

private:
    const MeetingDetails& meeting_;
    Language lang_;
    std::string ownLogo_;
    double logoLeftCm_ = 12;
};

} // namespace dravik::printing
