#include "app/ErrorText.h"

#include "exchange/ProgrammeImport.h"
#include "exchange/Workbook.h"
#include "platform/StoreError.h"

namespace dravik {

namespace {

QString fact(const std::vector<std::string>& facts, size_t i)
{
    return i < facts.size() ? QString::fromStdString(facts[i]) : QString();
}

QString storeText(const StoreError& e, bool en)
{
    const auto& f = e.facts();
    switch (e.kind()) {
    case StoreError::Kind::Busy:
        return (en ? QString("Another window or program is writing to table %1 in \"%2\". Nothing was stored; try "
                             "again when it has finished.")
                   : QString("'n Ander venster of program skryf na tabel %1 in \"%2\". Niks is gestoor nie; probeer "
                             "weer wanneer dit klaar is."))
            .arg(fact(f, 0), fact(f, 1));
    case StoreError::Kind::Changed:
        return (en ? QString("Table %1 in \"%2\" was changed by another window or program since it was loaded. "
                             "Nothing was saved.")
                   : QString("Tabel %1 in \"%2\" is deur 'n ander venster of program verander sedert dit gelaai is. "
                             "Niks is gestoor nie."))
            .arg(fact(f, 0), fact(f, 1));
    case StoreError::Kind::Other:
        break;
    }
    if (en || f.size() < 2)
        return QString::fromStdString(e.what());
    return QString("Tabel %1 in \"%2\" kon nie gelees of geskryf word nie; niks is verander nie.\n(%3)")
        .arg(fact(f, 0), fact(f, 1), QString::fromStdString(e.what()));
}

QString exchangeText(const ExchangeError& e, bool en)
{
    if (en)
        return QString::fromStdString(e.what());
    const auto& f = e.facts();
    switch (e.kind()) {
    case ExchangeError::Kind::NotWorkbook:
        return QString("Die werkboek \"%1\" kan nie gelees word nie: die lêer is beskadig of is nie 'n werkboek "
                       "nie.")
            .arg(fact(f, 0));
    case ExchangeError::Kind::NoProgrammeSheet:
        return QString("\"%1\" hou geen programblad nie: ry 6 van sy eerste blad moet 'n itemnommer in kolom 1 en "
                       "'n ouderdom in kolom 7 hê. Niks is gelees nie.")
            .arg(fact(f, 0));
    case ExchangeError::Kind::CannotWrite:
        return QString("Die werkboek \"%1\" kan nie geskryf word nie (%2).").arg(fact(f, 0), fact(f, 1));
    case ExchangeError::Kind::BadRecord:
        return QString("Item %1 (%2) het die rekord \"%3\", wat geen getal of tyd is nie (m:ss.ss, h:mm:ss.ss). "
                       "Niks van die stel is verander nie.")
            .arg(fact(f, 0), fact(f, 1), fact(f, 2));
    case ExchangeError::Kind::UnreadableCell:
    case ExchangeError::Kind::TimeOutsideDay: return QString::fromStdString(sheetCellErrorText(e, Language::Afrikaans));
    case ExchangeError::Kind::Other:
        break;
    }
    return QString::fromStdString(e.what());
}

} // namespace

QString wordedError(const std::exception& error, Language lang)
{
    const bool en = isEnglish(lang);
    if (auto* store = dynamic_cast<const StoreError*>(&error))
        return storeText(*store, en);
    if (auto* exchange = dynamic_cast<const ExchangeError*>(&error))
        return exchangeText(*exchange, en);
    return QString::fromStdString(error.what());
}

} // namespace dravik
