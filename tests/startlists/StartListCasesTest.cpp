// SPDX-License-Identifier: GPL-3.0-or-later
// One table of start lists, as the model holds them and as the gate booklet in
// draw order and the camera files (read back by Python's csv module) give them:
// the same competitors in the same order. The web page's draw order is the
// printing tests' business.
#include "exchange/ExchangeTestSupport.h"
#include "exchange/PhotoFinishFiles.h"
#include "printing/Printouts.h"
#include "printing/ProgrammeDocument.h"
#include "startlists/StartList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

using namespace dravik;
namespace fs = std::filesystem;
namespace def = dravik::test::def;

namespace {

struct Entry {
    int code, heat, lane;
};

struct Case {
    const char* what;
    test::GridRow row;
    std::vector<Entry> entries;          // entry order is the table's: by athlete code or team number
    std::vector<std::vector<int>> heats; // expected: the IDs heat by heat in draw order
    bool relay = false;
};

struct Person {
    int code;
    const char* first;
    const char* last;
};

// Names with a comma, a double quote, letters Windows-1252 lacks and an emoji.
const Person kPeople[] = {{1001, "John", "Smith"},
                          {1002, "Ann", "Lee, Jr"},
                          {1003, "Se\xC3\xA1n", "\"O'Neil"},
                          {2001, "\xC5\x81ukasz", "D\xC5\x91ry"},
                          {2002, "Zo\xC3\xAB\xF0\x9F\x98\x80", "Botha"},
                          {2003, "Piet", "Botha"},
                          {2004, "Mia", "van Wyk"}};

const std::vector<Case>& cases()
{
    static const std::vector<Case> all = {
        {"drawn heats",
         {.number = "1", .definition = "101"},
         {{1001, 2, 3}, {1002, 1, 4}, {1003, 1, 2}, {2001, 2, 1}},
         {{1003, 1002}, {2001, 1001}}},
        // No heat counts as heat 1; in a heat the entries without a lane follow, in entry order.
        {"partly drawn",
         {.number = "2", .event = "1500 m", .definition = "102"},
         {{2002, 0, 0}, {1001, 1, 2}, {2003, 1, 0}, {1002, 1, 1}, {2004, 2, 1}},
         {{1002, 1001, 2002, 2003}, {2004}}},
        {"no draw",
         {.number = "3", .level = "Heat", .definition = "101"},
         {{2004, 0, 0}, {1003, 0, 0}, {2001, 0, 0}},
         {{1003, 2001, 2004}}},
        {"relay", {.number = "4", .event = "4x100 m", .definition = "103"}, {{2, 1, 2}, {1, 1, 1}}, {{1, 2}}, true},
        {"field event in its order",
         {.number = "5", .event = "Long Jump", .definition = "107"},
         {{1001, 1, 2}, {2003, 1, 1}},
         {{2003, 1001}}},
        // Past event 100 a sub letter keeps clear of the numbers above 100.
        {"event 101", {.number = "101", .event = "2000 m", .definition = "106"}, {{2001, 1, 1}}, {{2001}}},
        {"sub letter a",
         {.number = "1", .sub = "a", .level = "Semi-Finaal", .definition = "101"},
         {{1002, 1, 2}, {2002, 1, 1}},
         {{2002, 1002}}},
        {"sub letter B",
         {.number = "1", .sub = "B", .level = "Kwart-Finaal", .definition = "101"},
         {{2003, 1, 1}},
         {{2003}}},
    };
    return all;
}

class StartListCases : public ::testing::Test {
protected:
    void SetUp() override
    {
        meeting_.addTeam(1, "Oakdale, High", "OAK");
        meeting_.addTeam(2, "Bergsig \"Oos\"", "BRG");
        for (const Person& p : kPeople)
            meeting_.addAthlete(p.code / 1000, p.code % 1000, p.first, p.last);
        for (const Case& c : cases()) {
            meeting_.addRow(c.row);
            const int definition = std::stoi(c.row.definition);
            const double level = levelIndexOf(c.row.level, Language::English);
            for (const Entry& e : c.entries)
                meeting_.addEntry(e.code, definition, static_cast<int>(level), e.heat, e.lane, c.relay);
        }
        // Rows without entries up to event 100, so the meeting runs past 100 events.
        for (int n = 6; n <= 100; ++n)
            meeting_.addRow({.number = std::to_string(n), .level = "Finaal TP", .definition = "106"});
    }

    const Person& person(int code) const
    {
        for (const Person& p : kPeople)
            if (p.code == code)
                return p;
        throw std::out_of_range("no person " + std::to_string(code));
    }

    test::TestMeeting meeting_;
};

std::string idList(const std::vector<int>& ids)
{
    std::string text;
    for (int id : ids)
        text += " " + std::to_string(id);
    return text;
}

TEST_F(StartListCases, TheModelHoldsEachRaceInDrawOrder)
{
    auto store = meeting_.open();
    const StartLists lists = buildStartLists(meeting_.grid, meeting_.reference, *store, Language::English);
    for (size_t i = 0; i < cases().size(); ++i) {
        const Case& c = cases()[i];
        const StartListEvent& e = lists.events.at(i);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(e.programmeNumber(), c.row.number + c.row.sub);
        std::vector<std::vector<int>> heats;
        for (const StartHeat& h : e.heats) {
            heats.emplace_back();
            for (const StartCompetitor& who : h.competitors)
                heats.back().push_back(static_cast<int>(who.code));
        }
        EXPECT_EQ(heats, c.heats);
        EXPECT_EQ(e.kind, c.relay ? EventKind::Relay : c.row.definition == "107" ? EventKind::Field : EventKind::Track);
    }
}

TEST_F(StartListCases, TheGateBookletPrintsEachHeatInDrawOrderWithTheIds)
{
    auto store = meeting_.open();
    printing::PrintSources src{meeting_.grid,
                               meeting_.reference,
                               meeting_.meeting,
                               *store,
                               "",
                               printing::programmeDocumentPath(store->folders())};
    printing::PrintOptions options;
    options.kind = printing::ProgrammeKind::FullGate;
    options.names = printing::GateNames::DrawOrder;
    options.ids = true;
    printing::PrintState state;
    printing::Document doc;
    printing::printProgramme(doc, src, options, state);
    const auto& rows = doc.tables().at(0)->rows;
    for (size_t i = 0; i < cases().size(); ++i) {
        const Case& c = cases()[i];
        SCOPED_TRACE(c.what);
        const std::string& text = rows.at(i).at(0);
        size_t at = 0;
        for (const auto& heat : c.heats) {
            std::string names;
            for (int id : heat) {
                const std::string shortName = c.relay ? (id == 1 ? "OAK" : "BRG") : (id / 1000 == 1 ? "OAK" : "BRG");
                if (c.relay)
                    names += std::to_string(id) + " " + (id == 1 ? "Oakdale, High" : "Bergsig \"Oos\"");
                else
                    names += std::to_string(id) + " " + person(id).first + " " + person(id).last;
                names += " (" + shortName + ")   ";
            }
            const size_t found = text.find(names, at);
            ASSERT_NE(found, std::string::npos) << names << "\nin\n" << text;
            at = found + names.size();
        }
    }
}

TEST_F(StartListCases, TheCameraFilesReadBackGiveEveryRaceInDrawOrder)
{
    for (auto [encoding, pythonName] :
         {std::pair{PhotoFinishEncoding::Windows1252, "cp1252"}, std::pair{PhotoFinishEncoding::Utf8, "utf-8"}}) {
        SCOPED_TRACE(pythonName);
        test::TempFolder camera;
        {
            auto store = meeting_.open();
            exportPhotoFinish(meeting_.grid, meeting_.reference, *store, Language::English, {}, camera.path().string(),
                              encoding);
        }
        const fs::path read = camera.path() / "read.txt";
        ASSERT_EQ(
            test::runProgram({"/usr/bin/python3", DRAVIK_READ_LYNX, camera.path().string(), pythonName}, read.string()),
            0);
        std::map<std::string, std::string> races; // "event,heat" -> " ID ID"
        std::istringstream lines(test::fileBytes(read));
        for (std::string line; std::getline(lines, line);) {
            const size_t colon = line.find(':');
            if (colon != std::string::npos) {
                EXPECT_TRUE(races.emplace(line.substr(0, colon), line.substr(colon + 1)).second) << line;
            }
        }
        size_t expectedRaces = 0;
        for (const Case& c : cases()) {
            if (c.row.definition == "107")
                continue; // field events are not the camera's
            const int event = photoFinishEventNumber(c.row.number, c.row.sub);
            for (size_t h = 0; h < c.heats.size(); ++h) {
                const std::string key = std::to_string(event) + "," + std::to_string(h + 1);
                EXPECT_EQ(races[key], idList(c.heats[h])) << c.what << " " << key;
                ++expectedRaces;
            }
        }
        EXPECT_EQ(races.size(), expectedRaces + 95) << "one race for each row without entries"; // rows 6 to 100
    }
}

} // namespace
