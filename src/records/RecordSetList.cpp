// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/RecordSetList.h"

#include "platform/RecordSet.h"

namespace dravik {

RecordSetList readRecordSetList(RecordSet& atld61)
{
    RecordSetList list;
    for (atld61.moveFirst(); !atld61.eof(); atld61.moveNext()) {
        RecordSetEntry e;
        e.naam = atld61.field("Naam").text();
        e.simb = atld61.field("Simb").text();
        e.verw = atld61.field("Verw").text();
        e.active = atld61.field("Aktief").number() == 1;
        e.position = atld61.absolutePosition();
        list.all.push_back(e);
        if (e.active)
            list.active.push_back(e);
    }
    return list;
}

} // namespace dravik
