// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ErrorWording.h"

#include "exchange/ProgrammeImport.h"
#include "exchange/Workbook.h"
#include "generator/GeneratorError.h"
#include "platform/StoreError.h"

#include <string_view>
#include <vector>

namespace dravik {

namespace {

std::string fact(const std::vector<std::string>& facts, size_t i)
{
    return i < facts.size() ? facts[i] : std::string();
}

// A message text with %1, %2 ... replaced by arg()'s values in one pass (a
// value's own "%1" stays as it is).
struct Text {
    std::string_view text;
    std::string arg(const std::string& a, const std::string& b = {}, const std::string& c = {},
                    const std::string& d = {}, const std::string& e = {}) const
    {
        return filled(text, {a, b, c, d, e});
    }
    static std::string filled(std::string_view text, const std::vector<std::string>& v);
};

std::string Text::filled(std::string_view text, const std::vector<std::string>& v)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
            static_cast<size_t>(text[i + 1] - '1') < v.size()) {
            out += v[text[i + 1] - '1'];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string storeText(const StoreError& e, bool en)
{
    const auto& f = e.facts();
    switch (e.kind()) {
    case StoreError::Kind::Busy:
        return (en ? Text("Another window or program is writing to table %1 in \"%2\". Nothing was stored; try "
                          "again when it has finished.")
                   : Text("'n Ander venster of program skryf na tabel %1 in \"%2\". Niks is gestoor nie; probeer "
                          "weer wanneer dit klaar is."))
            .arg(fact(f, 0), fact(f, 1));
    case StoreError::Kind::Changed:
        return (en ? Text("Table %1 in \"%2\" was changed by another window or program since it was loaded. "
                          "Nothing was saved.")
                   : Text("Tabel %1 in \"%2\" is deur 'n ander venster of program verander sedert dit gelaai is. "
                          "Niks is gestoor nie."))
            .arg(fact(f, 0), fact(f, 1));
    case StoreError::Kind::Other:
        break;
    }
    if (en || f.size() < 2)
        return std::string(e.what());
    return Text("Tabel %1 in \"%2\" kon nie gelees of geskryf word nie; niks is verander nie.\n(%3)")
        .arg(fact(f, 0), fact(f, 1), std::string(e.what()));
}

std::string generatorText(const GeneratorError& e, bool en)
{
    if (en)
        return std::string(e.what());
    const auto& f = e.facts();
    switch (e.kind()) {
    case GeneratorError::Kind::NotRead:
        return "Die werklys is nie gelees nie; druk eers \"Lees Items\".";
    case GeneratorError::Kind::EmptyList:
        return "Die werklys is leeg: druk \"Lees Items\" om die inskrywings te lees, dan \"Skep Program\". Die "
               "gestoorde program is gelaat soos dit is.";
    case GeneratorError::Kind::NotScheduled:
        return "Die werklys is nie geskeduleer nie: druk eers \"Skep Program\". Die gestoorde program is gelaat "
               "soos dit is.";
    case GeneratorError::Kind::PastMidnight:
        return Text("Die skedule loop verby 23:59: ry %1 begin om %2. Begin die byeenkoms vroeer of versprei die "
                    "items oor meer dae. Die gestoorde program is gelaat soos dit is.")
            .arg(fact(f, 0), fact(f, 1));
    case GeneratorError::Kind::NoHeatSizeRow:
        return Text("Die tabel van wedlootgroottes het geen ry vir \"%1\" nie; stel dit weer op voordat die "
                    "items gelees word.")
            .arg(fact(f, 0));
    case GeneratorError::Kind::BadHeatSize:
        return Text("Die wedlootgrootte vir \"%1\" is \"%2\"; tik die aantal atlete per wedloop (bo 0).")
            .arg(fact(f, 0), fact(f, 1));
    case GeneratorError::Kind::BadStartTime:
        return Text("Die begintyd \"%1\" is nie 'n tyd van die dag nie; tik dit as hh:mm, byvoorbeeld 08:00.")
            .arg(fact(f, 0));
    case GeneratorError::Kind::Other:
        break;
    }
    return std::string(e.what());
}

std::string exchangeText(const ExchangeError& e, bool en)
{
    if (en)
        return std::string(e.what());
    const auto& f = e.facts();
    switch (e.kind()) {
    case ExchangeError::Kind::NotWorkbook:
        return Text("Die werkboek \"%1\" kan nie gelees word nie: die lêer is beskadig of is nie 'n werkboek "
                    "nie.")
            .arg(fact(f, 0));
    case ExchangeError::Kind::NoProgrammeSheet:
        return Text("\"%1\" hou geen programblad nie: ry 6 van sy eerste blad moet 'n itemnommer in kolom 1 en "
                    "'n ouderdom in kolom 7 hê. Niks is gelees nie.")
            .arg(fact(f, 0));
    case ExchangeError::Kind::CannotWrite:
        return Text("Die werkboek \"%1\" kan nie geskryf word nie (%2).").arg(fact(f, 0), fact(f, 1));
    case ExchangeError::Kind::BadRecord: {
        const std::string what = fact(f, 5);
        const std::string reason =
            what == "year" ? Text("die jaar \"%1\" is nie 'n jaar van vier syfers nie").arg(fact(f, 2))
            : what == "measured"
                ? Text("die rekord \"%1\" is nie 'n getal bo 0 nie (die item word gemeet)").arg(fact(f, 2))
                : Text("die rekord \"%1\" is nie 'n getal bo 0 of 'n tyd nie (m:ss.ss, "
                       "h:mm:ss.ss)")
                      .arg(fact(f, 2));
        return Text("Dag %1, item %2 (%3), bladry %4: %5. Niks van die stel is verander nie.")
            .arg(fact(f, 3), fact(f, 0), fact(f, 1), fact(f, 4), reason);
    }
    case ExchangeError::Kind::UnreadableCell:
    case ExchangeError::Kind::TimeOutsideDay:
        return sheetCellErrorText(e, Language::Afrikaans);
    case ExchangeError::Kind::Other:
        break;
    }
    return std::string(e.what());
}

} // namespace

std::string wordedMessage(const std::exception& error, Language lang)
{
    const bool en = isEnglish(lang);
    if (auto* store = dynamic_cast<const StoreError*>(&error))
        return storeText(*store, en);
    if (auto* exchange = dynamic_cast<const ExchangeError*>(&error))
        return exchangeText(*exchange, en);
    if (auto* generator = dynamic_cast<const GeneratorError*>(&error))
        return generatorText(*generator, en);
    return std::string(error.what());
}

} // namespace dravik
