// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/WebSite.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dravik {
class DataStore;
}

namespace dravik::printing {

// What to publish of the stored programme.
struct WebPublishRequest {
    Language language = Language::English;
    RecordsIncluded records = RecordsIncluded::ValuesOnly;
    std::optional<std::int64_t> recordSet; // the set whose report becomes records.html
    bool firstActiveSet = false;           // without recordSet: the first active set's report
    int day = 0;                           // 0: every day
};

struct WebPublished {
    WebSite site;
    std::string recordSetName; // the set of records.html, "" when none was found
};

// Publishes the stored programme (as Reload shows it) with its start lists into
// `folder`, replacing the folder whole (see writeWebFolder): the road of `dravik
// publish` and of publishing after every Save. Throws std::invalid_argument for
// an unknown record set, and StoreError or std::runtime_error naming the table,
// file or folder that failed.
WebPublished publishStoredSite(DataStore& store, const std::string& folder, const WebPublishRequest& request,
                               const WebLogo& logo);

} // namespace dravik::printing
