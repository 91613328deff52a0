#pragma once
#include "printing/Printouts.h"
#include "support/TestMeeting.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace dravik::test {

// The test meeting with the printouts at hand.
class PrintSuite : public TestMeeting {
public:
    using TestMeeting::TestMeeting;
    // Opens the suite as the program does and prints the programme the options choose.
    printing::Document print(printing::PrintOptions& options, printing::PrintState& state)
    {
        auto store = DataStore::open(folder());
        printing::PrintSources src{grid, reference, meeting, *store, folder() + "Own.bmp",
                                   printing::programmeDocumentPath(store->folders())};
        printing::Document doc;
        printing::printProgramme(doc, src, options, state);
        return doc;
    }
    printing::Document print(printing::PrintOptions& options)
    {
        printing::PrintState state;
        return print(options, state);
    }
};

// The texts of the paragraphs of one page, in order.
inline std::vector<std::string> paragraphs(const std::vector<const printing::Block*>& page)
{
    std::vector<std::string> out;
    for (const printing::Block* b : page)
        if (const auto* p = std::get_if<printing::Paragraph>(b))
            out.push_back(p->text);
    return out;
}

inline const printing::Table& tableOf(const std::vector<const printing::Block*>& page)
{
    for (const printing::Block* b : page)
        if (const auto* t = std::get_if<printing::Table>(b))
            return *t;
    throw std::logic_error("page without a table");
}

// The event texts of a gate programme (its one table's cells).
inline std::vector<std::string> eventTexts(const printing::Document& doc)
{
    std::vector<std::string> out;
    for (const auto& row : doc.tables().at(0)->rows)
        out.push_back(row.at(0));
    return out;
}

inline bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace dravik::test
