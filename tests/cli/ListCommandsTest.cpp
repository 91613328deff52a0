// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTestSupport.h"

#include <stdexcept>

using namespace dravik;

namespace {

// dravik programme prints the stored programme as the Compile tab loads it, in the language chosen.
TEST(ProgrammeCommandTest, PrintsTheGridAsTheWindowLoadsIt)
{
    test::DemoSuite dir;
    std::ostringstream out;
    EXPECT_EQ(cli::runProgrammeCommand(dir.path().string(), Language::Afrikaans, out), 0);
    auto rows = test::lines(out.str());
    ASSERT_EQ(rows.size(), dir.rows("SELECT * FROM Atld40").size() + 1);
    EXPECT_EQ(rows[0].rfind("No\tSub\tTyd\tGeslag\tOud\tItem\tVlak\tWaar\tRekord", 0), 0u) << rows[0];
}

// dravik records lists the sets, and prints one set's records as Display shows
// them, against what the test reads from the tables itself.
TEST(RecordsCommand, ListsTheSetsAndOneSetsRecords)
{
    test::DemoSuite dir;
    std::ostringstream sets;
    EXPECT_EQ(cli::runRecordsCommand(dir.folder(), "", Language::English, sets), 0);
    EXPECT_EQ(test::lines(sets.str()),
              (std::vector<std::string>{"1\tMeeting Records\tM\tA", "2\tProvincial Records\tP\tA",
                                        "3\tNational Schools Records\tN\t"}));

    std::ostringstream grid;
    EXPECT_EQ(cli::runRecordsCommand(dir.folder(), "2", Language::Afrikaans, grid), 0);
    const auto rows = test::lines(grid.str());
    ASSERT_GT(rows.size(), 1u);
    EXPECT_EQ(test::fields(rows[0]).at(0), "Item") << "the Afrikaans headers";
    const auto stored = dir.rows("SELECT count(*) FROM Atld60 WHERE Verw = 2 AND trim(Rek) <> ''").at(0);
    int shown = 0;
    for (size_t i = 1; i < rows.size(); ++i)
        shown += test::fields(rows[i]).at(4).empty() ? 0 : 1;
    EXPECT_EQ(std::to_string(shown), stored) << "every record of the set within the meeting's ages";

    for (const char* bad : {"x", "9"})
        EXPECT_THROW(cli::runRecordsCommand(dir.folder(), bad, Language::English, sets), std::exception) << bad;
}

} // namespace
