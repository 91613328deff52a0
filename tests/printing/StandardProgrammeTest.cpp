// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintTestSupport.h"

#include <gtest/gtest.h>

using namespace dravik;
using namespace dravik::printing;
namespace def = dravik::test::def;
using test::contains;
using test::paragraphs;
using test::tableOf;

namespace {

std::vector<size_t> rowsPerPage(const Document& doc)
{
    std::vector<size_t> out;
    for (const Table* t : doc.tables())
        out.push_back(t->rows.size());
    return out;
}

std::vector<std::string> column(const Table& t, size_t col)
{
    std::vector<std::string> out;
    for (const auto& row : t.rows)
        out.push_back(row.at(col));
    return out;
}

TEST(StandardProgrammeTest, HeadingNamesTheMeetingAndTheDayOrDate)
{
    // dayLine: the last line of the heading; none on a day the meeting does not have
    struct Case {
        Language lang;
        int days;
        bool allDays;
        int chosenDay;
        const char* firstRowDay;
        std::string dayLine;
    };
    const Case cases[] = {
        {Language::English, 1, true, 1, "1", "Date: 14/03/2026\n"},
        {Language::English, 3, true, 1, "2", "Day: 2 - 15/03/2026\n"},
        {Language::Afrikaans, 3, false, 3, "3", "Dag: 3 - 16/03/2026\n"},
        {Language::English, 3, true, 1, "4", ""},
    };
    for (const Case& c : cases) {
        test::PrintSuite suite;
        suite.meeting.days = c.days;
        suite.addRow({.gender = maleWord(c.lang), .day = c.firstRowDay});
        PrintOptions options;
        options.language = c.lang;
        options.allDays = c.allDays;
        options.day = c.chosenDay;
        Document doc = suite.print(options);
        auto pages = doc.pages();
        ASSERT_EQ(pages.size(), 1u);
        std::vector<std::string> texts{"\n", isEnglish(c.lang) ? "Meeting: " : "Byeenkoms: ", "\n"};
        texts[1] += "Winter Games  (Pretoria)\n";
        if (!c.dayLine.empty())
            texts.push_back(c.dayLine);
        EXPECT_EQ(paragraphs(pages[0]), texts) << c.days << " days, row day " << c.firstRowDay;
        EXPECT_EQ(std::get<Picture>(*pages[0][0]).file, suite.folder() + "Own.bmp");
        EXPECT_EQ(std::get<Picture>(*pages[0][1]).source, Picture::Source::ProgramLogo);
        EXPECT_EQ(doc.exportFile(), suite.folder() + "Data/Program.odt");
        EXPECT_TRUE(doc.finished());
    }
}

TEST(StandardProgrammeTest, RecordsOptionChoosesColumnsOrientationAndMargin)
{
    struct Case {
        RecordsIncluded records;
        RecordDate date;
        bool activeSet;
        RecordsIncluded printed;
        std::vector<std::string> header;
        Orientation orientation;
        double logoLeft;
        double marginCm;
    };
    const std::vector<std::string> six{"It No", "Time", "Gender", "Event", "Place", "Level"};
    auto with = [&](std::vector<std::string> extra) {
        auto h = six;
        h.insert(h.end(), extra.begin(), extra.end());
        return h;
    };
    const Case cases[] = {
        {RecordsIncluded::None, RecordDate::None, true, RecordsIncluded::None, six, Orientation::Portrait, 12, 1.41},
        {RecordsIncluded::ValuesOnly, RecordDate::Full, true, RecordsIncluded::ValuesOnly, with({"Record"}),
         Orientation::Portrait, 12, 1.41},
        {RecordsIncluded::AllData, RecordDate::None, true, RecordsIncluded::AllData,
         with({"Record", "Athlete", "Team", "Track"}), Orientation::Landscape, 22, 1.41},
        {RecordsIncluded::AllData, RecordDate::Year, true, RecordsIncluded::AllData,
         with({"Record", "Athlete", "Team", "Track", "Date"}), Orientation::Landscape, 22, 0.53},
        // No active record set: the option falls back to None.
        {RecordsIncluded::AllData, RecordDate::Full, false, RecordsIncluded::None, six, Orientation::Portrait, 12,
         1.41},
    };
    for (const Case& c : cases) {
        test::PrintSuite suite;
        suite.addRecordSet(1, "S", "School", c.activeSet);
        suite.addRow({});
        PrintOptions options;
        options.records = c.records;
        options.recordDate = c.date;
        Document doc = suite.print(options);
        EXPECT_EQ(options.records, c.printed);
        const Table& t = *doc.tables().at(0);
        EXPECT_EQ(t.header, c.header);
        ASSERT_EQ(t.columns.size(), c.header.size());
        for (const auto& row : t.rows)
            EXPECT_EQ(row.size(), t.columns.size());
        EXPECT_EQ(doc.orientation(), c.orientation);
        EXPECT_NEAR(doc.marginCm(), c.marginCm, 0.01);
        EXPECT_DOUBLE_EQ(std::get<Picture>(*doc.pages()[0][1]).leftCm, c.logoLeft);
    }
}

TEST(StandardProgrammeTest, PagesHoldAsManyRowsAsTheRecordLinesAllow)
{
    // day: 0, or the day chosen instead of all days
    struct Case {
        RecordsIncluded records;
        int sets;
        int rows;
        std::vector<size_t> perPage;
        int day = 0;
    };
    const Case cases[] = {
        {RecordsIncluded::None, 0, 90, {41, 41, 8}},
        {RecordsIncluded::None, 0, 41, {41}}, // a full last page leaves no empty page behind
        {RecordsIncluded::None, 0, 0, {0}},   // an empty programme prints its heading
        {RecordsIncluded::ValuesOnly, 1, 90, {36, 41, 13}},
        {RecordsIncluded::ValuesOnly, 2, 50, {20, 22, 8}},
        {RecordsIncluded::AllData, 1, 60, {24, 30, 6}},
        // A meeting of one day has no day to break at, whichever day is chosen.
        {RecordsIncluded::None, 0, 81, {41, 40}, 2},
    };
    for (const Case& c : cases) {
        test::PrintSuite suite;
        for (int s = 1; s <= c.sets; ++s)
            suite.addRecordSet(s, "S" + std::to_string(s), "Set");
        suite.addRows(c.rows);
        PrintOptions options;
        options.records = c.records;
        options.allDays = c.day == 0;
        options.day = std::max(c.day, 1);
        Document doc = suite.print(options);
        EXPECT_EQ(rowsPerPage(doc), c.perPage) << c.rows << " rows, " << c.sets << " sets";
        for (const auto& page : doc.pages())
            for (const std::string& text : paragraphs(page))
                EXPECT_NE(text.rfind("Day:", 0), 0u) << text;
    }
}

TEST(StandardProgrammeTest, EachDayStartsAPageWithItsDateOrIsPrintedAlone)
{
    test::PrintSuite suite;
    suite.meeting.days = 3;
    suite.addRecordSet(1, "S", "School");
    int number = 0;
    for (const char* day : {"1", "1", "2", "2", "3"})
        suite.addRow({.number = std::to_string(++number), .day = day});
    for (int i = 0; i < 40; ++i)
        suite.addRow({.day = "3"});
    PrintOptions options;
    options.records = RecordsIncluded::ValuesOnly;
    Document doc = suite.print(options);
    auto pages = doc.pages();
    EXPECT_EQ(rowsPerPage(doc), (std::vector<size_t>{2, 2, 36, 5}));
    ASSERT_EQ(pages.size(), 4u);
    const std::vector<std::string> dayLines{"Day: 1 - 14/03/2026\n", "Day: 2 - 15/03/2026\n", "Day: 3 - 16/03/2026\n",
                                            "Day: 3 - 16/03/2026\n"};
    for (size_t p = 0; p < pages.size(); ++p) {
        auto texts = paragraphs(pages[p]);
        EXPECT_EQ(texts.at(3), dayLines[p]) << "page " << p;
        // A day's first page shows the record symbols; a continued page does not.
        EXPECT_EQ(texts.size() > 4 && texts[4] == "\nRecord symbols in use:", p < 3) << "page " << p;
    }

    // A day chosen instead of all days prints that day only.
    options.allDays = false;
    options.day = 2;
    doc = suite.print(options);
    ASSERT_EQ(doc.tables().size(), 1u);
    EXPECT_EQ(column(*doc.tables()[0], 0), (std::vector<std::string>{"3", "4"}));
    EXPECT_EQ(paragraphs(doc.pages()[0]).at(3), "Day: 2 - 15/03/2026\n");
}

// The record cell shows each active set's record; all data adds the holder
// with a shortened first name, the team whole and the track cut to six letters.
TEST(StandardProgrammeTest, RecordCellsShowEachActiveSetsRecordAndAllDataItsHolder)
{
    test::PrintSuite suite;
    suite.addRecordSet(1, "S", "School");
    suite.addRecordSet(2, "N", "National");
    suite.addRecord(
        {1, def::Sprint, "10.5", "Johannes", "van der Merwe", " Pretoria Boys High", "Pretoria", "2019-04-05", "2019"});
    suite.addRecord({2, def::Sprint, "9.85"});
    suite.addRecord({1, def::Mile, "0.01"});
    suite.addRecord({2, def::Marathon, ""}); // a blank record is passed over
    suite.addRecord({2, def::Marathon, "3725.5", "Ann", "Lee"});
    for (const char* d : {"101", "102", "110", "107"})
        suite.addRow({.definition = d});
    PrintOptions options;
    options.records = RecordsIncluded::ValuesOnly;
    EXPECT_EQ(column(*suite.print(options).tables().at(0), 6),
              (std::vector<std::string>{"S - 10.50\nN - 9.85", " New event", "N - 1:02:05.50", ""}));
    options.records = RecordsIncluded::AllData;
    for (auto [date, shown] :
         {std::pair{RecordDate::None, ""}, {RecordDate::Full, "05/04/2019"}, {RecordDate::Year, "2019"}}) {
        options.recordDate = date;
        const Document doc = suite.print(options);
        const auto& rows = doc.tables().at(0)->rows;
        std::vector<std::string> first{"S - 10.50\nN - 9.85", "J van der Merwe\n", "Pretoria Boys High\n", "Pretor\n"};
        if (date != RecordDate::None)
            first.push_back(std::string(shown) + "\n");
        EXPECT_EQ(std::vector<std::string>(rows.at(0).begin() + 6, rows.at(0).end()), first);
        EXPECT_EQ(std::vector<std::string>(rows.at(2).begin() + 6, rows.at(2).begin() + 8),
                  (std::vector<std::string>{"N - 1:02:05.50", "Ann Lee"}));
    }
}

TEST(ProgrammeDocumentTest, DataFolderProgrammeNameAndOdt)
{
    struct Case {
        const char* data;
        const char* programs;
        const char* path;
    };
    for (const Case& c :
         {Case{"/meet/Data", "Gala", "/meet/Data/Gala.odt"}, Case{"/meet/Data/", "", "/meet/Data/Program.odt"},
          Case{"/meet/Data/", "/meet/", "/meet/Data/Program.odt"}}) {
        FolderSettings f;
        f.data = c.data;
        f.programs = c.programs;
        EXPECT_EQ(programmeDocumentPath(f), c.path);
    }
}

} // namespace
