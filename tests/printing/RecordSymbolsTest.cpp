#include "PrintTestSupport.h"
#include "printing/RecordSymbols.h"

#include <gtest/gtest.h>

using namespace dravik;
using namespace dravik::printing;

namespace {

TEST(RecordSymbolsTest, ActiveSetsInReferenceOrderWithoutALimit)
{
    test::PrintSuite suite;
    suite.addRecordSet(7, "N", "National", true);
    suite.addRecordSet(3, "S", "School", true);
    suite.addRecordSet(5, "P", "Provincial", false);
    for (int i = 0; i < 600; ++i)
        suite.addRecordSet(1000 + i, "x", "Set " + std::to_string(i), true);
    auto store = DataStore::open(suite.folder());
    auto symbols = LoadRecordSymbols(store->atld61());
    ASSERT_EQ(symbols.size(), 602u);
    EXPECT_EQ(symbols[0].symbol, "S");
    EXPECT_EQ(symbols[0].reference, 3);
    EXPECT_EQ(symbols[0].name, "School");
    EXPECT_EQ(symbols[1].name, "National");
    EXPECT_EQ(symbols.back().name, "Set 599");
}

TEST(ProgrammeDocumentTest, DataFolderProgrammeNameAndOdt)
{
    struct Case {
        const char* data;
        const char* programs;
        const char* path;
    };
    for (const Case& c : {Case{"/meet/Data/", "Program", "/meet/Data/Program.odt"},
                          Case{"/meet/Data", "Gala", "/meet/Data/Gala.odt"},
                          Case{"/meet/Data/", "", "/meet/Data/Program.odt"},
                          Case{"/meet/Data/", "/meet/", "/meet/Data/Program.odt"}}) {
        FolderSettings f;
        f.data = c.data;
        f.programs = c.programs;
        EXPECT_EQ(programmeDocumentPath(f), c.path);
    }
}

} // namespace
