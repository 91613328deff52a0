// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace dravik::printing {

// A stored record value as the printouts show it, by the event's kind:
// 1, 3, 5 and 7, 8 as a number with two decimals ("5.20"); 2, 4, 6 as
// minutes and seconds ("1:15.30"); above 8 with hours when there are any
// ("1:02:05.50", else "4:05.00"); kind 0 or below as the plain number.
std::string FormatRecordValue(double value, int type);

} // namespace dravik::printing
