// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

namespace dravik {

class GridModel;

// The optNoud choices for the default rows of the age matrix.
namespace agerange {
inline constexpr int Juniors = 0; // "6-13"
inline constexpr int Seniors = 1; // "14-19"
inline constexpr int All = 2;     // "6-19", the default
inline constexpr int Open = 3;    // "19 +"
} // namespace agerange

// The ages of the default rows for an optNoud choice: 6-13, or 14-19 and 6-19
// without 18 ("19 +" gives the 6-19 rows). Throws std::invalid_argument for
// any other choice.
std::vector<int> defaultMatrixAges(int ageRange);

// Sets flxNitems to its 18 columns and header with the rows it starts with:
// "S" for the ages 6 to 19, then "D" for the same ages, unmarked.
void setupAgeMatrix(GridModel& flxNitems);

// "Begin skoon" (and "Lees Items" when there are no entries): the header and
// one row per gender and age of the range, "S" first, with the "60-100" and
// "80-200" columns marked "x".
void showDefaultAgeRows(GridModel& flxNitems, int ageRange);

} // namespace dravik
