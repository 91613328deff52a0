// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SuiteSetup.h"
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/Schema.h"
#include "platform/RecordSet.h"
#include "platform/StoreError.h"
#include "platform/TextNumber.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <tuple>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

template <typename F>
void forEachRow(RecordSet& rs, F f)
{
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        f(rs);
}

int whole(const RecordSet& rs, const char* field)
{
    return static_cast<int>(rs.field(field).number());
}

bool isFieldKind(int kind)
{
    return kind == 7 || kind == 8;
}

// A suite folder made by setup and opened as the program opens it.
struct Suite {
    test::TempFolder dir;
    std::unique_ptr<DataStore> store;
    EventReference ref;

    explicit Suite(bool demo)
    {
        createSuiteFolder(dir.path().string(), demo);
        store = DataStore::open(dir.folder());
        ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    }

    bool isDefinition(double nommer) const { return ref.definitions.find(nommer) < ref.definitions.count(); }
    const EventDefinition& definition(double nommer) const { return ref.definitions.at(ref.definitions.find(nommer)); }
    std::string englishName(double nommer) const
    {
        return ref.catalogue.at(ref.catalogueIndexOf(ref.definitions.find(nommer))).bske;
    }
};

} // namespace

TEST(SuiteSetupTest, RefusesToOverwriteAnyFileAndWritesNothing)
{
    for (const char* existing : {suitefile::Meeting, suitefile::Standard, suitefile::Logo}) {
        SCOPED_TRACE(existing);
        test::TempFolder dir;
        const fs::path file = dir.path() / existing;
        std::ofstream(file) << "keep";
        EXPECT_THAT([&] { createSuiteFolder(dir.path().string(), true); },
                    testing::ThrowsMessage<StoreError>(testing::HasSubstr(file.string())));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1)
            << "nothing else is created";
        std::ifstream in(file);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep");
    }
}

TEST(SuiteSetupTest, EmptySuiteOpensWithItsOptionsProgramsAndFolders)
{
    Suite s(false);
    const std::string folder = s.dir.folder();
    EXPECT_EQ(s.store->meetingPath(), folder + suitefile::Meeting) << "row 13 of Prog names no meeting of its own";

    EXPECT_EQ(s.store->folders().data, folder + "Data/");
    EXPECT_EQ(s.store->folders().import, folder + "Import/");
    EXPECT_TRUE(fs::is_directory(s.store->folders().import));
    EXPECT_TRUE(fs::exists(folder + suitefile::Logo));

    EXPECT_EQ(s.store->atld00().recordCount(), 1);
    s.store->atld00().moveFirst();
    const MeetingDetails m = LoadMeetingDetails(s.store->atld00());
    EXPECT_EQ(m.day2 - m.day1, std::chrono::days{1}) << "a new meeting's days follow one another";
    EXPECT_EQ(m.day3 - m.day1, std::chrono::days{2});
    for (RecordSet* empty : {&s.store->atld20(), &s.store->atld30(), &s.store->atld37(), &s.store->atld28(),
                             &s.store->atld40(), &s.store->atld60()})
        EXPECT_EQ(empty->recordCount(), 0) << empty->table();
    EXPECT_GT(s.ref.definitions.count(), 0) << "the standard events come with every suite";
}

TEST(StandardEventsTest, DefinitionsAndCatalogueAgree)
{
    Suite s(false);
    const auto& defs = s.ref.definitions;
    const auto& cat = s.ref.catalogue;

    std::set<std::string> keys;
    for (int j = 0; j < cat.count(); ++j) {
        SCOPED_TRACE(cat.at(j).bske);
        EXPECT_TRUE(isNumericText(cat.at(j).nom) && cat.at(j).nom.find('.') == std::string::npos)
            << "the generator reads the key as a whole number: " << cat.at(j).nom;
        EXPECT_TRUE(keys.insert(cat.at(j).nom).second) << "duplicate key";
        EXPECT_FALSE(cat.at(j).bska.empty());
    }

    const std::set<int> ageClasses = {6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                                      17, 18, 19, 25, 30, 35, 40, 45, 50, 55, 60};
    std::set<double> numbers;
    std::set<std::tuple<std::string, std::string, int>> events;
    // gender and age -> the kinds of its events, and whether it has the long jump
    std::map<std::pair<std::string, int>, std::set<int>> kinds;
    std::set<std::pair<std::string, int>> longJump;
    int unofficial = 0;
    for (int i = 0; i < defs.count(); ++i) {
        const EventDefinition& d = defs.at(i);
        const CatalogueEntry& name = cat.at(s.ref.catalogueIndexOf(i));
        SCOPED_TRACE(name.bske + " " + d.sm + d.oud);
        EXPECT_TRUE(numbers.insert(d.nommer).second) << "duplicate Nommer " << d.nommer;
        EXPECT_TRUE(events.insert({d.besk, d.sm, static_cast<int>(d.age())}).second) << "defined twice";
        EXPECT_TRUE(cat.contains(d.besk)) << "besk " << d.besk << " has no catalogue entry";
        EXPECT_TRUE(d.sm == "S" || d.sm == "M");
        EXPECT_TRUE(ageClasses.contains(static_cast<int>(d.age())));
        EXPECT_TRUE((std::set<int>{1, 2, 3, 5, 6, 7, 8}.contains(d.tipe)));
        EXPECT_TRUE(d.amp == "J" || d.amp.empty());
        unofficial += d.amp.empty();
        kinds[{d.sm, static_cast<int>(d.age())}].insert(d.tipe);
        if (name.bske == "Long Jump")
            longJump.insert({d.sm, static_cast<int>(d.age())});
        if (d.tipe == 1 || d.tipe == 2 || d.tipe == 5 || d.tipe == 6) {
            EXPECT_GT(textToNumber(name.bske), 0) << "race names start with their distance";
            EXPECT_EQ(textToNumber(name.bske), textToNumber(name.bska));
        }
        if (d.tipe == 3) {
            EXPECT_EQ(name.bske.substr(0, 2), "4x") << "relays are team events";
        }
    }
    EXPECT_EQ(kinds.size(), ageClasses.size() * 2) << "every age class for both genders";
    EXPECT_GT(unofficial, 0);
    EXPECT_LT(unofficial, defs.count() / 10);
    // The youngest throw nothing, but every class has a sprint and the long jump.
    for (const auto& [group, set] : kinds) {
        EXPECT_TRUE(set.contains(1)) << group.first << group.second;
        EXPECT_TRUE(longJump.contains(group)) << group.first << group.second;
        if (group.second < 10) {
            EXPECT_FALSE(set.contains(8)) << group.first << group.second;
        }
    }
}

TEST(DemoMeetingTest, IsTheSameMeetingEveryTime)
{
    Suite s(true), again(true);
    for (RecordSet* table : {&s.store->atld20(), &s.store->atld28(), &s.store->atld40(), &s.store->atld60()})
        EXPECT_GT(table->recordCount(), 0) << table->table();

    for (const char* table : {"Atld20", "Atld28", "Atld30", "Atld37", "Atld40", "Atld60"}) {
        const std::string all = std::string("SELECT * FROM ") + table + " ORDER BY rowid";
        EXPECT_EQ(test::queryRows(s.store->meetingDatabase(), all),
                  test::queryRows(again.store->meetingDatabase(), all));
    }
}

TEST(DemoMeetingTest, EntriesFitTheirAthletesAndTeamsAndAreDrawnSensibly)
{
    Suite s(true);
    std::map<int, std::pair<std::string, int>> athletes; // code -> gender, age
    forEachRow(s.store->atld30(), [&](RecordSet& r) {
        int age = whole(r, "Oud");
        EXPECT_TRUE((age >= 8 && age <= 19) || age == 25) << age;
        athletes[whole(r, "SpanNo") * 1000 + whole(r, "Nommer")] = {r.field("SM").text(), age};
    });
    std::set<int> teams;
    forEachRow(s.store->atld20(), [&](RecordSet& r) { teams.insert(whole(r, "Nommer")); });

    std::map<int, std::set<int>> eventsOf;
    forEachRow(s.store->atld37(), [&](RecordSet& r) {
        int code = whole(r, "Nommer"), tnom = whole(r, "Tnom");
        ASSERT_TRUE(athletes.contains(code)) << code;
        ASSERT_TRUE(s.isDefinition(tnom)) << tnom;
        const EventDefinition& d = s.definition(tnom);
        EXPECT_EQ(d.sm, athletes[code].first) << code << " in " << tnom;
        EXPECT_EQ(d.age(), athletes[code].second) << code << " in " << tnom;
        EXPECT_NE(d.tipe, 3) << "relays are entered by teams";
        EXPECT_TRUE(eventsOf[code].insert(tnom).second) << code << " entered twice for " << tnom;
    });
    for (const auto& [code, athlete] : athletes) {
        EXPECT_GE(eventsOf[code].size(), 1u) << code;
        EXPECT_LE(eventsOf[code].size(), 4u) << code;
    }

    forEachRow(s.store->atld28(), [&](RecordSet& r) {
        EXPECT_TRUE(teams.contains(whole(r, "Nommer")));
        ASSERT_TRUE(s.isDefinition(whole(r, "Tnom")));
        EXPECT_EQ(s.definition(whole(r, "Tnom")).tipe, 3);
    });

    for (RecordSet* entries : {&s.store->atld37(), &s.store->atld28()}) {
        SCOPED_TRACE(entries->table());
        struct Draw {
            std::set<int> levels;
            std::map<int, std::set<int>> lanesByHeat;
            int count = 0;
        };
        std::map<int, Draw> draws;
        forEachRow(*entries, [&](RecordSet& r) {
            Draw& d = draws[whole(r, "Tnom")];
            d.levels.insert(whole(r, "Uvlak"));
            EXPECT_TRUE(d.lanesByHeat[whole(r, "Been")].insert(whole(r, "Baan")).second) << "lane taken twice";
            ++d.count;
        });
        for (const auto& [tnom, d] : draws) {
            SCOPED_TRACE(s.englishName(tnom) + " " + s.definition(tnom).sm + s.definition(tnom).oud);
            int heats = static_cast<int>(d.lanesByHeat.size());
            EXPECT_EQ(d.lanesByHeat.rbegin()->first, heats) << "heats are numbered from 1";
            ASSERT_EQ(d.levels.size(), 1u);
            EXPECT_EQ(*d.levels.begin(), heats > 1 ? 4 : 0) << "heats lead to a final";
            if (isFieldKind(s.definition(tnom).tipe)) {
                EXPECT_EQ(heats, 1);
                EXPECT_EQ(*d.lanesByHeat.at(1).rbegin(), d.count) << "the order of competing is 1 to n";
                continue;
            }
            EXPECT_EQ(heats, (d.count + 7) / 8);
            for (const auto& [heat, lanes] : d.lanesByHeat) {
                EXPECT_LE(lanes.size(), 8u);
                EXPECT_GE(*lanes.begin(), 1);
                EXPECT_LE(*lanes.rbegin(), 8);
            }
        }
    }
}

TEST(DemoMeetingTest, ProgrammeListsEveryEventWithEntriesInTimeOrderWithItsRecords)
{
    Suite s(true);
    std::map<int, int> levelOf; // definition -> Uvlak of its entries
    for (RecordSet* entries : {&s.store->atld37(), &s.store->atld28()})
        forEachRow(*entries, [&](RecordSet& r) { levelOf[whole(r, "Tnom")] = whole(r, "Uvlak"); });

    std::map<int, std::vector<int>> rowsOf; // definition -> UFvlak of its rows, in load order
    std::string lastTime, lastNumber;
    int lastDay = 0, shared = 0;
    forEachRow(s.store->atld40(), [&](RecordSet& r) {
        int tnom = whole(r, "Tabverw"), day = whole(r, "Draws");
        ASSERT_TRUE(s.isDefinition(tnom)) << tnom;
        std::string time = r.field("Tyd").text(), number = r.field("Nommer").text(), sub = r.field("Sub").text();
        SCOPED_TRACE(std::to_string(day) + "/" + number + sub + " " + s.englishName(tnom));
        EXPECT_FALSE(s.ref.eventName(s.ref.definitions.find(tnom), false, true).empty());
        EXPECT_TRUE(levelOf.contains(tnom)) << "an event without entries";
        rowsOf[tnom].push_back(whole(r, "UFvlak"));
        EXPECT_GE(day, 1);
        EXPECT_LE(day, 3);
        EXPECT_TRUE(isValidClockTime(time)) << time;
        EXPECT_GE(time, "08:00");
        const std::string point = r.field("Punt").text();
        if (isFieldKind(s.definition(tnom).tipe)) {
            EXPECT_TRUE(point == "A  " || point == "B  ") << "[" << point << "]";
        } else {
            EXPECT_EQ(point, "   ");
        }
        if (day == lastDay) {
            EXPECT_GE(time, lastTime) << "numbers follow the clock";
            if (number == lastNumber) {
                EXPECT_EQ(sub, "b");
                ++shared;
            }
        } else {
            EXPECT_EQ(number, "1") << "each day starts at event 1";
        }
        EXPECT_TRUE(sub == " " || sub == "a" || sub == "b") << "[" << sub << "]";
        lastDay = day;
        lastTime = time;
        lastNumber = number;
    });
    EXPECT_GT(shared, 0) << "a few events share a number";

    for (const auto& [tnom, level] : levelOf) {
        SCOPED_TRACE(s.englishName(tnom));
        std::vector<int> expected = level == 4 ? std::vector<int>{4, 0} : std::vector<int>{0};
        EXPECT_EQ(rowsOf[tnom], expected) << "heats, then the final";
    }

    // The records belong to the active sets and cover most events.
    std::map<int, bool> active;
    forEachRow(s.store->atld61(), [&](RecordSet& r) { active[whole(r, "Verw")] = whole(r, "Aktief") == 1; });
    EXPECT_EQ(std::count_if(active.begin(), active.end(), [](auto& a) { return a.second; }), 2);

    std::map<int, std::map<int, double>> marks; // set -> definition -> mark
    Clock::time_point day1;
    ASSERT_TRUE(parseStoredDate("2027-03-11", day1));
    forEachRow(s.store->atld60(), [&](RecordSet& r) {
        int tnom = whole(r, "Tnom"), verw = whole(r, "Verw");
        double mark = r.field("Rek").number();
        SCOPED_TRACE(s.englishName(tnom) + " " + s.definition(tnom).sm + s.definition(tnom).oud);
        EXPECT_TRUE(active[verw]) << "set " << verw;
        EXPECT_TRUE(rowsOf.contains(tnom));
        EXPECT_TRUE(marks[verw].emplace(tnom, mark).second) << "two records of one event in one set";
        EXPECT_GT(mark, 0);
        Clock::time_point date;
        ASSERT_TRUE(parseStoredDate(r.field("Datum").text(), date)) << r.field("Datum").text();
        EXPECT_LT(date, day1);
        EXPECT_EQ(formatIsoDate(date).substr(0, 4), r.field("Jaar").text());
        EXPECT_TRUE(r.field("Van").present() && r.field("Span").present() && r.field("Plek").present());
    });
    for (const auto& [verw, byEvent] : marks)
        EXPECT_GE(byEvent.size() * 4, rowsOf.size() * 3) << "set " << verw << " covers most events";
}
