#include "CliTestSupport.h"

#include <tuple>

using namespace dravik;

namespace {

// dravik programme prints the stored programme as the Compile tab loads it, in either language.
TEST(ProgrammeCommandTest, PrintsTheGridAsTheWindowLoadsIt)
{
    test::DemoSuite dir;
    for (auto [lang, header, female] :
         {std::tuple{Language::English, "No\tSub\tTime\tGender\tAge\tEvent\tLevel\tWhere\tRekord", "Female"},
          {Language::Afrikaans, "No\tSub\tTyd\tGeslag\tOud\tItem\tVlak\tWaar\tRekord", "Vroulik"}}) {
        std::ostringstream out;
        EXPECT_EQ(cli::runProgrammeCommand(dir.path().string(), lang, out), 0);
        auto rows = test::lines(out.str());
        ASSERT_GT(rows.size(), 50u);
        EXPECT_EQ(rows[0].rfind(header, 0), 0u) << rows[0];
        for (size_t r = 1; r < rows.size(); ++r)
            EXPECT_EQ(test::fields(rows[r]).size(), 16u) << rows[r];
        EXPECT_NE(out.str().find(female), std::string::npos);
    }
}

} // namespace
