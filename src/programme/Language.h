// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace dravik {

enum class Language { English, Afrikaans };

inline bool isEnglish(Language l)
{
    return l == Language::English;
}

// Gender words of the programme grid and the event fields.
const std::string& maleWord(Language l);
const std::string& femaleWord(Language l);

// The 11 levels; the index is what Atld40.UFvlak stores.
const std::vector<std::string>& levelTexts(Language l);

// Age list entries for the age-list indexes lowest..highest: the index itself
// up to 25, then 25 + 5 * (index - 25) for veteran classes.
std::vector<int> ageList(int lowestIndex, int highestIndex);

} // namespace dravik
