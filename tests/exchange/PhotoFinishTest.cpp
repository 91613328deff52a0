// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExchangeTestSupport.h"

#include "exchange/PhotoFinishFiles.h"
#include "exchange/Windows1252.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <functional>
#include <tuple>

using namespace dravik;
namespace fs = std::filesystem;

namespace {

using test::GridRow;
namespace def = test::def;

// A file's lines as the camera software reads them: bytes split at CR LF.
std::vector<std::string> fileLines(const fs::path& file)
{
    const std::string text = test::fileBytes(file);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << file << " ends without CR LF";
    return lines;
}

// Two schools, five athletes (a surname with a comma, a first name with "é", one without a name).
void addPeople(test::TestMeeting& s)
{
    s.addTeam(1, "Oakdale, High", "OAK");
    s.addTeam(2, "Bergsig", "BRG");
    for (auto [team, number, name, surname] : {std::tuple{1, 1, "John", "Smith"},
                                               {1, 2, "Zoé", "du Plessis"},
                                               {1, 3, "Ann", "Lee, Jr"},
                                               {2, 1, "Piet", "Botha"},
                                               {2, 4, "", ""}})
        s.addAthlete(team, number, name, surname);
}

PhotoFinishReport write(test::TestMeeting& s, int day, const fs::path& folder, Language lang = Language::English,
                        int dayOffset = 0, PhotoFinishEncoding encoding = PhotoFinishEncoding::Windows1252)
{
    auto store = s.open();
    return exportPhotoFinish(s.grid, s.reference, *store, lang, {day, dayOffset}, folder.string(), encoding);
}

// The programme of day 1, rows out of order: a sprint drawn in two heats, a
// mile in one, a sprint heat without a draw and a relay sharing number 3
// through sub letters, a long jump (not a race), a race nobody entered; and a
// day-2 row left out.
TEST(PhotoFinishTest, WritesTheRacesOfTheDayInProgrammeAndDrawOrder)
{
    test::TestMeeting s;
    addPeople(s);
    s.addRow({.number = "3", .sub = "b", .event = "4x100 m", .definition = "103"});
    s.addRow({.number = "1", .event = "100 m", .definition = "101"});
    s.addRow({.number = "3", .sub = "a", .event = "100 m", .level = "Heat", .definition = "101"});
    s.addRow({.number = "2", .gender = "Female", .event = "1500 m", .definition = "102"});
    s.addRow({.number = "4", .event = "Long Jump", .definition = "107"});
    s.addRow({.number = "1", .event = "1500 m", .definition = "102", .day = "2"});
    s.addRow({.number = "5", .event = "2000 m", .definition = "106"});
    // athlete or team, definition, level, heat, lane, team entry
    for (const auto& [code, tnom, level, heat, lane, team] :
         std::vector<std::array<int, 6>>{{1001, def::Sprint, 0, 1, 3, 0},
                                         {2001, def::Sprint, 0, 2, 4, 0},
                                         {1002, def::Sprint, 0, 1, 5, 0},
                                         {1003, def::Sprint, 0, 2, 2, 0},
                                         {2001, def::Mile, 0, 1, 2, 0},
                                         {2004, def::Mile, 0, 1, 1, 0},
                                         {1003, def::Sprint, 4, 0, 0, 0},
                                         {1001, def::Sprint, 4, 0, 0, 0},
                                         {1001, def::LongJump, 0, 1, 1, 0},
                                         {1, def::Relay, 0, 1, 2, 1},
                                         {2, def::Relay, 0, 1, 1, 1}})
        s.addEntry(code, tnom, level, heat, lane, team != 0);

    test::TempFolder out;
    const PhotoFinishReport done = write(s, 1, out.path());
    EXPECT_EQ(done.races, 6);
    EXPECT_EQ(done.competitors, 7);

    std::vector<std::string> evt = fileLines(out.path() / "lynx.evt");
    ASSERT_FALSE(evt.empty());
    EXPECT_EQ(evt[0].substr(0, 1), ";");
    EXPECT_NE(evt[0].find("12a = 100012"), std::string::npos) << evt[0];
    evt.erase(evt.begin());
    const std::string at8 = ",,,,,,,08:00:00";
    EXPECT_EQ(evt, (std::vector<std::string>{
                       "1,1,1,1 Boys - 12 100 m" + at8, ",1001,3,Smith,John,OAK", ",1002,5,du Plessis,Zo\xE9,OAK",
                       "1,1,2,1 Boys - 12 100 m" + at8, ",1003,2,\"Lee, Jr\",Ann,OAK", ",2001,4,Botha,Piet,BRG",
                       "2,1,1,2 Girls - 12 1500 m" + at8, ",2004,1,,,BRG", ",2001,2,Botha,Piet,BRG",
                       // no draw: in entry order
                       "100003,1,1,3a Boys - 12 100 m Heat" + at8, ",1001,,Smith,John,OAK",
                       ",1003,,\"Lee, Jr\",Ann,OAK", "200003,1,1,3b Boys - 12 4x100 m" + at8, ",2,1,Bergsig,,BRG",
                       ",1,2,\"Oakdale, High\",,OAK", "5,1,1,5 Boys - 12 2000 m" + at8}));
    EXPECT_EQ(fileLines(out.path() / "lynx.ppl"),
              (std::vector<std::string>{"1,\"Oakdale, High\",,OAK", "2,Bergsig,,BRG", "1001,Smith,John,OAK",
                                        "1002,du Plessis,Zo\xE9,OAK", "1003,\"Lee, Jr\",Ann,OAK", "2001,Botha,Piet,BRG",
                                        "2004,,,BRG"}));
    EXPECT_EQ(fileLines(out.path() / "lynx.sch"),
              (std::vector<std::string>{"1,1,1", "1,1,2", "2,1,1", "100003,1,1", "200003,1,1", "5,1,1"}));
    // In UTF-8 the names stay as they are.
    test::TempFolder utf8;
    write(s, 1, utf8.path(), Language::English, 0, PhotoFinishEncoding::Utf8);
    EXPECT_EQ(fileLines(utf8.path() / "lynx.ppl").at(3), "1002,du Plessis,Zo\xC3\xA9,OAK");
}

// Rows that cannot be written are named, and nothing is written.
TEST(PhotoFinishTest, BadRowsAreNamedAndNoFileIsWritten)
{
    struct Case {
        const char* what;
        std::function<void(test::TestMeeting&)> change;
        int day;
        std::string message;
        Language lang = Language::English;
    };
    const Case cases[] = {
        {"unknown definition", [](auto& s) { s.addRow({.number = "5", .definition = "999"}); }, 0,
         "Event 5 (day 1): there is no event definition 999."},
        {"unknown level", [](auto& s) { s.addRow({.number = "5", .level = "Heats"}); }, 0,
         "Event 5 (day 1): \"Heats\" is no level of the list."},
        {"sub that is no letter", [](auto& s) { s.addRow({.number = "5", .sub = "1"}); }, 0,
         "Event 51 (day 1): the number must be a whole number from 1 to 9999 and the sub one letter."},
        {"missing athlete", [](auto& s) { s.addEntry(1009, def::Sprint); }, 0,
         "Atld37 entry of athlete 1009 in Event 1 (day 1): there is no athlete 9 of team 1."},
        {"missing team",
         [](auto& s) {
             s.addRow({.number = "6", .definition = "103"});
             s.addTeamEntry(7, def::Relay);
         },
         0, "Atld28 entry of team 7 in Event 6 (day 1): there is no team 7."},
        {"lane over 99", [](auto& s) { s.addEntry(1002, def::Sprint, 0, 1, 100); }, 0,
         "Atld37 entry of athlete 1002 in Event 1 (day 1): lane 100 is no whole number from 0 to 99."},
        {"empty programme", [](auto& s) { s.grid.setRows(1); }, 0, "The programme has no events."},
        {"empty day", [](auto&) {}, 2, "Day 2 of the programme has no events."},
        {"field events only",
         [](auto& s) {
             s.grid.setRows(1);
             s.addRow({.definition = "107"});
         },
         0, "The programme has no races to write (field events are not written)."},
        {"one number twice", [](auto& s) { s.addRow({.event = "200 m"}); }, 1,
         "Event 1 (day 1) and Event 1 (day 1) would both be photo-finish event 1"},
        {"a team number that is an athlete code",
         [](auto& s) {
             s.addTeam(1001, "Club 1001", "C1");
             s.addRow({.number = "6", .definition = "103"});
             s.addTeamEntry(1001, def::Relay);
         },
         0, "Competitor 1001 is both a team and an athlete"},
        {"numbers again each day", [](auto& s) { s.addRow({.day = "2"}); }, 0,
         "The event numbers start again on another day (Event 1 (day 1), Event 1 (day 2))"},
        {"day offset below a day's numbers",
         [](auto& s) {
             s.addRow({.number = "12"});
             s.addRow({.number = "2", .day = "2"});
         },
         -10, "Event 12 (day 1) and Event 2 (day 2) would both be photo-finish event 12: choose a day offset"},
        // The Afrikaans window is told in Afrikaans.
        {"Afrikaans", [](auto& s) { s.grid.setRows(1); }, 0, "Die program het geen items nie.", Language::Afrikaans},
    };
    for (const Case& c : cases) {
        test::TestMeeting s;
        addPeople(s);
        s.addRow({});
        s.addEntry(1001, def::Sprint);
        c.change(s);
        test::TempFolder out;
        // A negative day stands for every day with that day offset.
        EXPECT_THAT([&] { write(s, std::max(c.day, 0), out.path(), c.lang, std::max(-c.day, 0)); },
                    testing::ThrowsMessage<PhotoFinishError>(testing::HasSubstr(c.message)))
            << c.what;
        EXPECT_TRUE(fs::is_empty(out.path())) << c.what;
    }
}

// A folder that is missing, or a write that fails part-way, leaves the files as they were.
TEST(PhotoFinishTest, AFailedWriteLeavesTheFolderAsItWas)
{
    test::TestMeeting s;
    addPeople(s);
    s.addRow({});
    s.addEntry(1001, def::Sprint);
    test::TempFolder out;
    const fs::path missing = out.path() / "camera";
    EXPECT_THAT([&] { write(s, 0, missing); },
                testing::ThrowsMessage<PhotoFinishError>(testing::HasSubstr(missing.string())));
    EXPECT_FALSE(fs::exists(missing));

    std::ofstream(out.path() / "lynx.evt") << "old start list";
    fs::create_directory(out.path() / "lynx.sch.part"); // the last file cannot be made
    EXPECT_THROW(write(s, 0, out.path()), PhotoFinishError);
    EXPECT_EQ(test::fileBytes(out.path() / "lynx.evt"), "old start list");
    EXPECT_FALSE(fs::exists(out.path() / "lynx.ppl"));
    EXPECT_FALSE(fs::exists(out.path() / "lynx.evt.part"));
    EXPECT_FALSE(fs::exists(out.path() / "lynx.ppl.part"));

    // The last rename fails after the first two were made: the old set comes back.
    std::ofstream(out.path() / "lynx.ppl") << "old people";
    std::ofstream(out.path() / "lynx.sch") << "old schedule";
    fs::remove(out.path() / "lynx.sch.part");
    fs::create_directories(out.path() / "lynx.sch.old" / "blocked");
    EXPECT_THROW(write(s, 0, out.path()), PhotoFinishError);
    EXPECT_EQ(test::fileBytes(out.path() / "lynx.evt"), "old start list");
    EXPECT_EQ(test::fileBytes(out.path() / "lynx.ppl"), "old people");
    EXPECT_EQ(test::fileBytes(out.path() / "lynx.sch"), "old schedule");
    for (const char* left : {"lynx.evt.old", "lynx.ppl.old", "lynx.evt.part", "lynx.ppl.part", "lynx.sch.part"})
        EXPECT_FALSE(fs::exists(out.path() / left)) << left;
}

TEST(PhotoFinishTest, NamesAreWrittenInWindows1252)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Zoë Müller", "Zo\xEB M\xFCller"},
        {"€ – — “x” Š", "\x80 \x96 \x97 \x93x\x94 \x8A"},
        {"Łukasz Dőry", "Lukasz Dory"},
        {"日本", "??"},
        {"\u00A0ÿ", "\xA0\xFF"},
        {"cut \xC3", "cut ?"},
        // One "?" for each byte that starts no character, whatever follows it.
        {"\377abcd", "?abcd"},
        {"\xC3(x", "?(x"},
        {"\xE2\x82x", "??x"},
        {"\xF0\x9F\x98\x80xyz", "?xyz"},
        // A whole sequence that is no character (a surrogate, past U+10FFFF) is one "?",
        // an overlong one a "?" per byte.
        {"\xED\xA0\x80xy", "?xy"},
        {"\xF4\x90\x80\x80xy", "?xy"},
        {"\xC1\xBFx", "??x"},
        // The lowest three-byte and the highest four-byte character are one character each.
        {"\xE0\xA0\x80", "?"},
    };
    for (const auto& [utf8, expected] : cases)
        EXPECT_EQ(toWindows1252(utf8), expected) << utf8;
    // A transliteration longer than its character: "⅓" is " 1/3 ".
    std::string thirds, written;
    for (int i = 0; i < 40; ++i) {
        thirds += "\xE2\x85\x93";
        written += " 1/3 ";
    }
    EXPECT_EQ(toWindows1252(thirds), written);
}

// Every row of a meeting of up to 9,999 events and three days keeps a number of its own.
TEST(PhotoFinishTest, EventNumbersFollowTheStatedRule)
{
    struct Case {
        const char* number;
        const char* sub;
        int day, offset, event;
    };
    const Case cases[] = {
        {"12", "", 1, 0, 12},
        {"12", "a", 1, 0, 100012},
        {"12", "z", 3, 0, 2600012},
        {"12", "", 2, 1000, 1012},
        {"9999", "z", 3, 45000, 2699999},
        {" 7 ", " c ", 1, 0, 300007},
        // refused: no number, out of range, a sub that is no letter, a day the offset cannot place
        {"0", "", 1, 0, 0},
        {"10000", "", 1, 0, 0},
        {"2.5", "", 1, 0, 0},
        {"12", "1", 1, 0, 0},
        {"12", "\xC3\xA9", 1, 0, 0},
        {"12", "", 4, 1000, 0},
        {"12", "", 1, 45001, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(photoFinishEventNumber(c.number, c.sub, c.day, c.offset), c.event)
            << c.number << c.sub << " day " << c.day << " offset " << c.offset;
    EXPECT_NE(photoFinishNumberRule(1000).find("day 2's 12a = 101012"), std::string::npos);
}

TEST(PhotoFinishTest, FieldsAreQuotedAsTheCameraFormatQuotes)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Smith", "Smith"},     {"Lee, Jr", "\"Lee, Jr\""}, {"\"O'Neil", "\"\"\"O'Neil\""},
        {" lead", "\" lead\""}, {"tab\there", "tab here"},  {"\xC5\x81ukasz", "\xC5\x81ukasz"},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(lynxField(text), field) << text;
}

} // namespace
