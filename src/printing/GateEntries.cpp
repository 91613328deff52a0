#include "printing/GateEntries.h"

#include "platform/TextNumber.h"

#include <algorithm>

namespace dravik::printing {

double levelIndexOf(const std::string& levelText, Language lang)
{
    const auto& levels = levelTexts(lang);
    std::string level = trimmed(levelText);
    auto it = std::find(levels.begin(), levels.end(), level);
    if (it != levels.end())
        return static_cast<double>(it - levels.begin());
    return isNumericText(level) ? textToNumber(level) : -1;
}

} // namespace dravik::printing
