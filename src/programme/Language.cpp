// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme/Language.h"

namespace dravik {

const std::string& maleWord(Language l)
{
    static const std::string en = "Male", af = "Manlik";
    return isEnglish(l) ? en : af;
}

const std::string& femaleWord(Language l)
{
    static const std::string en = "Female", af = "Vroulik";
    return isEnglish(l) ? en : af;
}

const std::vector<std::string>& levelTexts(Language l)
{
    static const std::vector<std::string> en = {"Finaal",     "Finaal TP",     "Semi-Finaal",   "Kwart-Finaal",
                                                "Heat",       "B Competition", "C Competition", "Pentathlon",
                                                "Heptathlon", "Octathlon",     "Decathlon"};
    static const std::vector<std::string> af = {"Finaal",   "Finaal TP",    "Semi-Finaal",  "Kwart-Finaal",
                                                "Uitdun",   "B Kompetisie", "C Kompetisie", "Vyfkamp",
                                                "Sewekamp", "Agtkamp",      "Tienkamp"};
    return isEnglish(l) ? en : af;
}

std::vector<int> ageList(int lowestIndex, int highestIndex)
{
    std::vector<int> ages;
    for (int i = lowestIndex; i <= highestIndex; ++i)
        ages.push_back(i <= 25 ? i : 25 + 5 * (i - 25));
    return ages;
}

} // namespace dravik
