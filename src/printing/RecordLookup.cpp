#include "printing/RecordLookup.h"

#include "data/ReferenceData.h"
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
        records_.push_back({rek.number(), atld60.field("Naam").text(), atld60.field("Van").text(),
                            atld60.field("Span").text(), atld60.field("Plek").text(), atld60.field("Datum").text(),
                            atld60.field("Jaar").text()});
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
