// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme/Ordering.h"

#include "programme/EditorFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace dravik;
using namespace dravik::test;
using Texts = std::vector<std::string>;

namespace {

// Rows given and expected as number followed by sub letter, e.g. "5a"; "5_" for a blank sub.
void addNumbered(EditorFixture& ed, const Texts& rows)
{
    for (const std::string& n : rows) {
        size_t digits = n.find_first_not_of("0123456789");
        std::string sub = digits == std::string::npos ? "" : n.substr(digits);
        ed.add({n.substr(0, digits), sub == "_" ? " " : sub});
    }
}

Texts numbered(const EditorFixture& ed)
{
    Texts out;
    for (int r = 1; r < ed.grid.rows(); ++r) {
        const std::string& sub = ed.grid.cell(r, pcol::Sub);
        out.push_back(ed.grid.cell(r, pcol::Number) + (sub == " " ? "_" : sub));
    }
    return out;
}

} // namespace

TEST(Ordering, Renumber)
{
    const RenumberRequest all{}, keep{true, 0, 0, 1, true};
    auto range = [](double b, double e, double n, bool keepSubs = false) {
        return RenumberRequest{false, b, e, n, keepSubs};
    };
    struct Case {
        Texts rows;
        RenumberRequest request;
        Texts expected;
    };
    const Case cases[] = {
        {{"5a", "5b", "6"}, all, {"1_", "2_", "3_"}},
        {{"5a", "5b", "6"}, keep, {"1a", "1b", "2"}},
        {{"5", "5_", "7a"}, keep, {"1", "2_", "3a"}},
        {{"4a", "5a", "5b"}, keep, {"1a", "2a", "2b"}},
        {{"8", "10", "11", "13", "14"}, range(10, 12, 20), {"8", "20_", "21_", "22_", "14"}},
        {{"1", "2"}, range(5, 9, 20), {"1", "2"}},
        {{"1", "2", "3"}, range(2, 9, 7), {"1", "7_", "8_"}},
        {{"3", "4a", "4b", "5", "6"}, range(4, 5, 10, true), {"3", "10a", "10b", "11", "6"}},
        {{}, all, {}},
    };
    for (const Case& c : cases) {
        EditorFixture ed;
        addNumbered(ed, c.rows);
        renumberProgramme(ed.grid, c.request);
        EXPECT_EQ(numbered(ed), c.expected) << ::testing::PrintToString(c.rows);
    }
}

TEST(Ordering, RenumberPanel)
{
    EditorFixture ed;
    addNumbered(ed, {"3", "9", "12"});
    RenumberFields panel;
    startRenumber(ed.ctx(), panel);
    EXPECT_TRUE(ed.session.ProgrammeChanged && ed.fields.panels.fraHerN && !panel.frareeks);
    EXPECT_EQ(Texts({panel.txtBegin, panel.txtEind}), Texts({"3", "12"}));

    renumberScopeClicked(panel, 1);
    EXPECT_TRUE(panel.frareeks);
    // Range inputs that are no event numbers, or a start above the end, change nothing.
    struct Bad {
        const char *begin, *end, *newStart, *named;
    };
    for (const Bad& bad : {Bad{"1ab", "12", "1", "\"1ab\" in Start"}, Bad{"9", "12", "0", "\"0\" in New start as"},
                           Bad{"12", "9", "1", "starts at 12, after its end 9"}}) {
        panel.txtBegin = bad.begin;
        panel.txtEind = bad.end;
        panel.txtNBegin = bad.newStart;
        EntryResult refused = continueRenumber(ed.ctx(), panel);
        EXPECT_NE(refused.message.find(bad.named), std::string::npos) << refused.message;
        EXPECT_EQ(numbered(ed), Texts({"3", "9", "12"}));
    }
    panel.txtBegin = "9";
    panel.txtEind = "12";
    panel.txtNBegin = "4";
    int renumbered = 0;
    EXPECT_TRUE(continueRenumber(ed.ctx(), panel, &renumbered).ok());
    EXPECT_EQ(renumbered, 2);
    EXPECT_EQ(numbered(ed), Texts({"3", "4_", "5_"}));
    EXPECT_EQ(panel.txtEind, "5");
}

TEST(Ordering, MoveByTwoClicks)
{
    struct Case {
        int source, target;
        Texts order;
    };
    const Case cases[] = {
        {2, 4, {"1", "3", "4", "2", "5"}}, {4, 1, {"4", "1", "2", "3", "5"}}, {5, 2, {"1", "5", "2", "3", "4"}},
        {2, 5, {"1", "2", "3", "4", "5"}}, {3, 3, {"1", "2", "3", "4", "5"}}, {2, 0, {"1", "2", "3", "4", "5"}},
        {0, 3, {"1", "2", "3", "4", "5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.source) + " to " + std::to_string(c.target));
        EditorFixture ed;
        addNumbered(ed, {"1", "2", "3", "4", "5"});
        gridClicked(ed.ctx(), c.source); // not moving yet: ignored
        startMoves(ed.ctx());
        EXPECT_TRUE(ed.session.ProgrammeChanged && ed.fields.panels.fraMoveEnd && !ed.fields.panels.fraAction);
        gridClicked(ed.ctx(), c.source);
        EXPECT_EQ(gridClicked(ed.ctx(), c.target), c.order != Texts({"1", "2", "3", "4", "5"}));
        EXPECT_EQ(numbered(ed), c.order);
        EXPECT_EQ(ed.state.move.phase, 1);
        EXPECT_EQ(ed.state.move.source, 0);
        endMoves(ed.ctx());
        EXPECT_TRUE(!ed.state.move.armed && ed.fields.panels.fraAction && !ed.fields.panels.fraMoveEnd);
    }
}

TEST(Ordering, DisplayOrders)
{
    EditorFixture ed;
    for (const TestRow& r : std::vector<TestRow>{{"3", "", "", "Male", "12", "Shot"},
                                                 {"1", "b", "", "Female", "10", "100 m", "1", "2"},
                                                 {"10", "", "", "Female", "12", "Long"},
                                                 {"1", "a", "", "Female", "10", "100 m", "1", "2"},
                                                 {"2", "", "", "Male", "9", "long"},
                                                 {"4", "", "", "Male", "12", "Discus"},
                                                 {"9", "", "", "Female", "12", "Long"}})
        ed.add(r);
    const Texts expected[] = {
        {"2", "3", "4", "9", "10", "1a", "1b"}, // day, number, sub
        {"1a", "1b", "4", "9", "10", "3", "2"}, // event, case-sensitive; equal events by number
        {"1a", "1b", "9", "10", "2", "3", "4"}, // gender, then age as a number
        {"1a", "1b", "9", "10", "2", "4", "3"}, // gender, age, event
    };
    // A display order shows its first row and forgets a row picked to move.
    startMoves(ed.ctx());
    gridClicked(ed.ctx(), 1);
    ed.session.ProgrammeChanged = false;
    for (int order : {1, 0, 3, 2}) {
        displayOrderClicked(ed.ctx(), order);
        EXPECT_EQ(numbered(ed), expected[order]) << order;
        EXPECT_EQ(ed.grid.row(), 1);
        EXPECT_EQ(ed.fields.txtNumber + ed.fields.txtSub, expected[order][0]);
    }
    EXPECT_EQ(ed.grid.cell(0, pcol::Number), "No");
    EXPECT_FALSE(ed.session.ProgrammeChanged);
    EXPECT_EQ(ed.state.move.source, 0);
    EXPECT_EQ(ed.state.move.phase, 1);
}

TEST(Ordering, DeleteAsksAndRemovesOnYes)
{
    for (bool yes : {true, false}) {
        EditorFixture ed;
        addNumbered(ed, {"6", "7b"});
        ed.grid.setCurrent(2, 0);
        startMoves(ed.ctx());
        ed.session.ProgrammeChanged = false;
        Question asked;
        auto answer = [&](const Question& q) {
            asked = q;
            return yes;
        };
        EXPECT_EQ(deleteEvent(ed.ctx(), answer), yes);
        EXPECT_EQ(Texts({asked.text, asked.title}),
                  Texts({"Are you sure that event number 7b must be deleted?", " Delete Event "}));
        EXPECT_EQ(numbered(ed), yes ? Texts{"6"} : Texts({"6", "7b"}));
        EXPECT_TRUE(ed.session.ProgrammeChanged && !ed.state.move.armed);
    }

    EditorFixture empty;
    EXPECT_FALSE(deleteEvent(empty.ctx(), [](const Question&) -> bool { throw std::logic_error("asked"); }));
    EXPECT_TRUE(empty.session.ProgrammeChanged);
}
