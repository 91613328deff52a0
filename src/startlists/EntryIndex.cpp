// SPDX-License-Identifier: GPL-3.0-or-later
#include "startlists/EntryIndex.h"

#include "platform/RecordSet.h"

namespace dravik {

EntryIndex::EntryIndex(RecordSet& entries)
{
    for (entries.moveFirst(); !entries.eof(); entries.moveNext())
        groups_[{entries.field("Tnom").number(), entries.field("Uvlak").number()}].push_back(
            {entries.field("Nommer").number(), entries.field("Been").number(), entries.field("Baan").number()});
}

const std::vector<EntryRow>& EntryIndex::of(double definitionNumber, double levelIndex) const
{
    static const std::vector<EntryRow> none;
    auto it = groups_.find({definitionNumber, levelIndex});
    return it == groups_.end() ? none : it->second;
}

} // namespace dravik
