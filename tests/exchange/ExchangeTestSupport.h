#pragma once
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "data/SuiteSetup.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <memory>
#include <string>

namespace dravik::test {

// The workbooks made once with LibreOffice, beside this folder's tests.
inline std::filesystem::path workbookFile(const std::string& name)
{
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "workbooks" / name;
}

// A suite folder of its own, opened as the program opens it.
struct Suite {
    explicit Suite(bool demo)
    {
        createSuiteFolder(folder.path().string(), demo);
        store = DataStore::open(folder.folder());
        ref = loadEventReference(store->atld10(), store->atld19(), store->atld11(), store->atld18());
    }

    TempFolder folder;
    std::unique_ptr<DataStore> store;
    EventReference ref;
};

} // namespace dravik::test
