// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/Schema.h"
#include "platform/Database.h"
#include "platform/GridModel.h"
#include "platform/RecordSet.h"
#include "programme/EventEntry.h"
#include "programme/ProgrammeRow.h"
#include "support/TestMeeting.h"

#include <memory>
#include <string>
#include <vector>

namespace dravik::test {

// Definitions 1-7 of a small meeting; "SKOT" has no catalogue entry.
inline EventReference sampleReference()
{
    EventReference ref;
    ref.definitions.assign({{1, 1, "S", "12", "100M", "", "J"},
                            {2, 1, "S", "12", "200M", "", ""},
                            {3, 7, "S", "12", "SKOT", "", "J"},
                            {4, 7, "S", "12", "LJ", "  Open ", ""},
                            {5, 1, "M", "12", "100M", "", "J"},
                            {6, 1, "S", "13", "100M", "", "J"},
                            {7, 8, "M", "13", "HJ", "", ""}});
    ref.catalogue.assign({{"100M", "100 m", "100 m"},
                          {"200M", "200 m", "200 m"},
                          {"LJ", "Long Jump", "Verspring"},
                          {"HJ", "High Jump", "Hoogspring"}});
    return ref;
}

// The shown cells of a programme row; level "Finaal", record position 0.
struct TestRow {
    std::string number{}, sub{}, time{}, gender{}, age{}, event{}, definition = "1", day = "1";
};

// The editor of one window over an empty programme grid; ages 12 to 14.
struct EditorFixture {
    explicit EditorFixture(Language l = Language::English) : lang(l)
    {
        setupProgrammeGrid(grid, lang);
        MeetingDetails meeting;
        meeting.minAgeIndex = 12;
        meeting.maxAgeIndex = 14;
        fillEventFieldLists(fields, lang, meeting);
    }
    EditorContext ctx() { return {grid, fields, state, session, reference, lang, atld40}; }
    void add(const TestRow& t)
    {
        std::vector<std::string> cells(pcol::Count);
        for (auto [col, text] : {std::pair{pcol::Number, t.number},
                                 {pcol::Sub, t.sub},
                                 {pcol::Time, t.time},
                                 {pcol::Gender, t.gender},
                                 {pcol::Age, t.age},
                                 {pcol::Event, t.event},
                                 {pcol::Level, "Finaal"},
                                 {pcol::Position, "0"},
                                 {pcol::Definition, t.definition},
                                 {pcol::Day, t.day}})
            cells[col] = text;
        grid.addRow(cells);
    }

    Language lang;
    GridModel grid;
    EventFields fields;
    EditorState state;
    ProgrammeSession session;
    EventReference reference = sampleReference();
    RecordSet* atld40 = nullptr;
};

// A test meeting with the given Atld40 rows.
struct StoredProgramme : TestMeeting {
    explicit StoredProgramme(const std::vector<FieldAssignments>& rows)
        : atld40(std::make_unique<RecordSet>(meetingDb(), query::Atld40))
    {
        atld40->appendRows(rows);
    }
    std::unique_ptr<RecordSet> atld40;
};

} // namespace dravik::test
