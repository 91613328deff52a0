// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/Language.h"
#include "records/RecordsResult.h"

#include <cstdint>
#include <string>

namespace dravik {

class RecordSet;

// The five boxes of fraPRek: txtPRek(0) .. txtPRek(4).
struct RecordFields {
    std::string naam;   // txtPRek(0) Name
    std::string van;    // txtPRek(1) Surname
    std::string plek;   // txtPRek(2) Track
    std::string jaar;   // txtPRek(3) Year
    std::string record; // txtPRek(4) Record, as recordFieldText shows it

    bool operator==(const RecordFields&) const = default;
};

// What Read found: the window keeps it until the next Read and enables Save
// (cmdPRek) only while `found` is true.
struct CurrentEventRecord {
    bool found = false;
    std::int64_t key = -1;                         // the record's key in Atld60
    RecordFields fields;                           // the boxes' texts; all empty when nothing was found
    double setReference = 0, definitionNumber = 0; // what Read looked up
    int eventType = 0;                             // the event's Tipe: how its record reads

    // Save belongs to the set and event that Read looked up: a change of
    // either in the window takes it away until the next Read.
    bool savesInto(double set, double definition) const
    {
        return found && set == setReference && definition == definitionNumber;
    }
};

// Read: the record of an event (its definition number, from cmbTV) in a set
// (its reference, from cmbPrekR), looked up in the whole of Atld60 through its
// index, whichever set the record editor last displayed. The first row of that
// set and event in the table's order is the record.
// eventType is the event definition's Tipe, which Save reads the Record box by.
CurrentEventRecord readCurrentEventRecord(RecordSet& atld60, double setReference, double definitionNumber,
                                          int eventType);

// Save: stores the typed boxes into the record Read found (set, event, date
// and team unchanged). Refused with a message when Read found nothing, when
// the record is gone since, when the Record box is no record of the event's
// kind (readRecordText) or the year no year; nothing is stored then. An unchanged Record box keeps the stored value to
// its last digit. Afterwards atld60 is read again.
RecordsResult saveCurrentEventRecord(RecordSet& atld60, const CurrentEventRecord& read, const RecordFields& typed,
                                     Language lang);

} // namespace dravik
