// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/RecordLookup.h"

#include "data/ReferenceData.h"
#include "platform/PrintableText.h"
#include "platform/RecordSet.h"
#include "platform/TextNumber.h"

namespace dravik::printing {

RecordLookup::RecordLookup(RecordSet& atld60)
{
    for (atld60.moveFirst(); !atld60.eof(); atld60.moveNext()) {
        Slot& slot = slots_[{atld60.field("Verw").number(), atld60.field("Tnom").number()}];
        if (slot.record >= 0)
            continue;
        const FieldValue& rek = atld60.field("Rek");
        if (!rek.present()) {
            ++slot.blankRows;
            continue;
        }
        slot.record = static_cast<int>(records_.size());
        auto text = [&](const char* name) { return printableText(atld60.field(name).text()); };
        records_.push_back(
            {rek.number(), text("Naam"), text("Van"), text("Span"), text("Plek"), text("Datum"), text("Jaar")});
    }
}

RecordMatch RecordLookup::find(double setReference, double definitionNumber) const
{
    auto it = slots_.find({setReference, definitionNumber});
    if (it == slots_.end())
        return {};
    return {it->second.record >= 0 ? &records_[it->second.record] : nullptr, it->second.blankRows};
}

std::string recordDateText(const std::string& stored)
{
    Clock::time_point t;
    if (parseStoredDate(stored, t))
        return formatDate(t);
    return trimmed(stored);
}

} // namespace dravik::printing
