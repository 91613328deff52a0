#include "CliTestSupport.h"

using namespace dravik;

namespace {

TEST(ProgrammeCommandTest, PrintsTheGridAsTheWindowLoadsIt)
{
    test::DemoSuite dir;
    struct Case {
        Language lang;
        const char* header;
        const char* female;
    };
    for (const Case& c : {Case{Language::English, "No\tSub\tTime\tGender\tAge\tEvent\tLevel\tWhere\tRekord", "Female"},
                          Case{Language::Afrikaans, "No\tSub\tTyd\tGeslag\tOud\tItem\tVlak\tWaar\tRekord", "Vroulik"}}) {
        std::ostringstream out;
        EXPECT_EQ(cli::runProgrammeCommand(dir.path().string(), c.lang, out), 0);
        auto rows = test::lines(out.str());
        ASSERT_GT(rows.size(), 50u);
        EXPECT_EQ(rows[0].rfind(c.header, 0), 0u) << rows[0];
        for (size_t r = 1; r < rows.size(); ++r) {
            size_t cells = std::count(rows[r].begin(), rows[r].end(), '\t') + 1;
            EXPECT_EQ(cells, 16u) << rows[r];
        }
        EXPECT_NE(out.str().find(c.female), std::string::npos);
    }
}

} // namespace
