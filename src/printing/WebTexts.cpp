// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/WebTexts.h"

namespace dravik::printing {

const WebTexts& webTexts(Language lang)
{
    static const WebTexts en{"en",
                             "Start",
                             "Program",
                             "Records",
                             "Athletes",
                             "Teams",
                             "Calendar (programme.ics)",
                             "Days of the meeting",
                             "Day",
                             " entrant",
                             " entrants",
                             " events",
                             "No entrants",
                             "Lane",
                             "Order",
                             "No",
                             "Name",
                             "Team",
                             "ID",
                             "Time",
                             "Event",
                             "Heat",
                             "Lane or order",
                             "Relays",
                             "Published",
                             "Pages",
                             "Meeting pages",
                             "No athletes",
                             {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
                             {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
                             {"January", "February", "March", "April", "May", "June", "July", "August", "September",
                              "October", "November", "December"},
                             {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}};
    static const WebTexts af{"af",
                             "Begin",
                             "Program",
                             "Rekords",
                             "Atlete",
                             "Spanne",
                             "Kalender (programme.ics)",
                             "Dae van die byeenkoms",
                             "Dag",
                             " deelnemer",
                             " deelnemers",
                             " items",
                             "Geen deelnemers",
                             "Baan",
                             "Volgorde",
                             "Nr",
                             "Naam",
                             "Span",
                             "ID",
                             "Tyd",
                             "Item",
                             "Lopie",
                             "Baan of volgorde",
                             "Aflosse",
                             "Gepubliseer",
                             "Bladsye",
                             "Bladsye van die byeenkoms",
                             "Geen atlete",
                             {"Sondag", "Maandag", "Dinsdag", "Woensdag", "Donderdag", "Vrydag", "Saterdag"},
                             {"So", "Ma", "Di", "Wo", "Do", "Vr", "Sa"},
                             {"Januarie", "Februarie", "Maart", "April", "Mei", "Junie", "Julie", "Augustus",
                              "September", "Oktober", "November", "Desember"},
                             {"Jan", "Feb", "Mrt", "Apr", "Mei", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Des"}};
    return isEnglish(lang) ? en : af;
}

std::string entrantCount(const WebTexts& t, size_t n)
{
    return std::to_string(n) + (n == 1 ? t.entrant : t.entrants);
}

} // namespace dravik::printing
