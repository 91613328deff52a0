// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrintableText.h"
#include "PrintTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace dravik;
using namespace dravik::printing;
namespace def = dravik::test::def;

namespace {

TEST(PrintableText, ControlCharactersFromTheDataPrintAsSpaces)
{
    struct Case {
        std::string in, text, cell;
    };
    const Case cases[] = {
        {"Ann\tMarie", "Ann Marie", "Ann Marie"},
        {" Ann \x01Lee\x7F ", "Ann  Lee", " Ann  Lee  "},
        {"two\r\nlines", "two  lines", "two\r\nlines"},
        {"C1\xC2\x85next", "C1 next", "C1 next"},        // U+0085
        {"line\xE2\x80\xA8sep", "line sep", "line sep"}, // U+2028
        {"end\xE2\x80\xA8", "end", "end "},
        {"a\xE2\x80\xA6 \xE2\x80\x93 b", "a\xE2\x80\xA6 \xE2\x80\x93 b", "a\xE2\x80\xA6 \xE2\x80\x93 b"}, // … –
        {"Zoë Ελένη 王 \xF0\x9F\x98\x80", "Zoë Ελένη 王 \xF0\x9F\x98\x80", "Zoë Ελένη 王 \xF0\x9F\x98\x80"},
        {"no\u00A0break", "no\u00A0break", "no\u00A0break"}, // U+00A0 stays
        {"bad \xC2", "bad \xC2", "bad \xC2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(printableText(c.in), c.text) << c.in;
        EXPECT_EQ(printableCell(c.in), c.cell) << c.in;
    }
}

// A tab in a name, a team or the meeting's name never moves the text to a tab stop:
// the gate booklet keeps its fields, and the standard list's cells hold no control.
TEST(PrintableText, NamesWithControlsPrintAsTextInEveryPrintout)
{
    test::PrintSuite suite;
    suite.meeting.remark = "Winter\tGames";
    suite.addTeam(1, "Tuk\tkies", "T\x02UK");
    suite.addAthlete(1, 1, "Ann\tMarie", "Al\x1Fpha");
    suite.addEntry(1001, def::Sprint);
    suite.addRecordSet(1, "S", "School");
    suite.addRecord({1, def::Sprint, "10.5", "Bo\tBo", "Ek", "S\tA", "Cpt", "2001-02-01", "2001"});
    suite.addRow({.definition = std::to_string(def::Sprint)});

    PrintOptions gate;
    gate.kind = ProgrammeKind::FullGate;
    gate.names = GateNames::EntryOrder;
    gate.records = RecordsIncluded::AllData;
    const Document booklet = suite.print(gate);
    const std::string text = test::eventTexts(booklet).at(0);
    EXPECT_TRUE(test::contains(text, "Ann Marie Al pha (T UK)   ")) << text;
    EXPECT_TRUE(test::contains(text, "Bo Bo Ek  S A  Cpt")) << text;
    const std::string heading = text.substr(0, text.find("\r\n"));
    EXPECT_EQ(std::count(heading.begin(), heading.end(), '\t'), 5) << heading;
    for (const std::string& p : test::paragraphs(booklet.pages().at(0)))
        EXPECT_EQ(p.find('\t'), std::string::npos) << p;

    PrintOptions standard;
    standard.records = RecordsIncluded::AllData;
    const Document list = suite.print(standard);
    const auto& row = list.tables().at(0)->rows.at(0);
    EXPECT_EQ(std::vector<std::string>(row.begin() + 6, row.end()),
              (std::vector<std::string>{"S - 10.50", "Bo Bo Ek", "S A", "Cpt"}));
}

} // namespace
