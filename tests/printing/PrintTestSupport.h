// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Printouts.h"
#include "support/TestMeeting.h"

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
        printing::PrintSources src{
            grid, reference, meeting, *store, folder() + "Own.bmp", printing::programmeDocumentPath(store->folders())};
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

// The blocks of one kind on a page, in order.
template <class T>
std::vector<const T*> blocksOf(const std::vector<const printing::Block*>& page)
{
    std::vector<const T*> out;
    for (const printing::Block* b : page)
        if (const auto* x = std::get_if<T>(b))
            out.push_back(x);
    return out;
}

// The texts of the paragraphs of one page, in order.
inline std::vector<std::string> paragraphs(const std::vector<const printing::Block*>& page)
{
    std::vector<std::string> out;
    for (const printing::Paragraph* p : blocksOf<printing::Paragraph>(page))
        out.push_back(p->text);
    return out;
}

inline const printing::Table& tableOf(const std::vector<const printing::Block*>& page)
{
    return *blocksOf<printing::Table>(page).at(0);
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
