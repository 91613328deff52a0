#pragma once
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "support/TestMeeting.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace dravik::test {

// The workbooks made once with LibreOffice, beside this folder's tests.
inline std::filesystem::path workbookFile(const std::string& name)
{
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "workbooks" / name;
}

inline std::string fileBytes(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The test meeting opened as the program opens it, with the suite's event reference.
struct Suite : TestMeeting {
    explicit Suite(bool demo)
        : TestMeeting(demo), store(open()),
          ref(loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18()))
    {
    }
    std::unique_ptr<DataStore> store;
    EventReference ref;
};

} // namespace dravik::test
