// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PageHeading.h"

#include "data/ReferenceData.h"
#include "platform/PrintableText.h"

namespace dravik::printing {

double marginFromTwips(int twips)
{
    return twips * 2.54 / 1440.0;
}

void PageHeading::top(Document& doc) const
{
    doc.drawPicture({Picture::Source::File, ownLogo_, 4.0, 0.1, 3.0, 3.0});
    doc.drawPicture({Picture::Source::ProgramLogo, "", logoLeftCm_, 0.1, 3.0, 3.0});
    doc.paragraph("\n");
    doc.paragraph(meetingLine() + "\n");
    doc.paragraph("\n");
}

std::string PageHeading::meetingLine() const
{
    return (isEnglish(lang_) ? "Meeting: " : "Byeenkoms: ") + printableText(meeting_.remark) + "  (" +
           printableText(meeting_.venue) + ")";
}

void PageHeading::dayOrDateLine(Document& doc, int day) const
{
    if (meeting_.days > 1)
        dayLine(doc, day);
    else
        doc.paragraph((isEnglish(lang_) ? "Date: " : "Datum: ") + formatDate(meeting_.day1) + "\n");
}

void PageHeading::dayLine(Document& doc, int day) const
{
    if (day < 1 || day > 3)
        return;
    const Clock::time_point& date = day == 1 ? meeting_.day1 : day == 2 ? meeting_.day2 : meeting_.day3;
    doc.paragraph((isEnglish(lang_) ? "Day: " : "Dag: ") + std::to_string(day) + " - " + formatDate(date) + "\n");
}

void PageHeading::recordSymbols(Document& doc, const std::vector<RecordSymbol>& symbols) const
{
    doc.paragraph(std::string("\n") + (isEnglish(lang_) ? "Record symbols in use:" : "Rekord simbole in gebruik:"));
    for (const RecordSymbol& s : symbols)
        doc.paragraph(s.symbol + " - " + s.name + "\n");
    doc.paragraph("\n");
}

} // namespace dravik::printing
