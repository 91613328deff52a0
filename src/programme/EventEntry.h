// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "data/ReferenceData.h"
#include "programme/EditorState.h"
#include "programme/EventFields.h"
#include "programme/Language.h"
#include "programme/ProgrammeRowCheck.h"

#include <string>
#include <string_view>

namespace dravik {

class GridModel;
class RecordSet;

// What the programme editor works on: the grid flxProg, the event fields, the
// window's editor state and the process-wide unsaved-changes flag, in the
// language of one main window. It only names them: the functions below change
// what it refers to, so a window can pass a temporary built for each call.
struct EditorContext {
    GridModel& grid;
    EventFields& fields;
    EditorState& state;
    ProgrammeSession& session;
    const EventReference& reference;
    Language language;
    // The open Atld40 record set; ShowEventFields reads level and day from it. May be null.
    RecordSet* atld40 = nullptr;
};

// Fills cmbLevel (the 11 levels), cmbAge (the meeting's age list) and cmbDagn
// ("1", "2", "3") and selects the first entry of each.
void fillEventFieldLists(EventFields& fields, Language lang, const MeetingDetails& meeting);

// Copies the current grid row into the event fields: its number, sub, time, point,
// gender, age, level, day and event (found by its definition number, else by its
// name). Only a level or day the row does not carry as a list entry is taken from
// the stored Atld40 row at the row's record position (column 8). Does nothing
// without a current programme row or when the record position is negative.
void ShowEventFields(const EditorContext& ctx);

// Refills cmbItem and cmbTV with the events of the current gender and age that have
// a catalogue entry (only official ones when optAmp is 1). Nothing is selected afterwards.
void FillEventList(const EditorContext& ctx);

// New Event (cmdAdd): starts adding events after the last row, proposing the next number.
void newEvent(const EditorContext& ctx);
// Move data to program list (cmdUpdate): appends the fields as a new row. Refused,
// with nothing changed, without a chosen event or with a bad number or time.
EntryResult moveDataToProgramme(const EditorContext& ctx);
// End of new Events (cmdCancel).
void endNewEvents(const EditorContext& ctx);
// Modify (cmdWysig): opens the fields on the current row, showing that row.
void modifyEvent(const EditorContext& ctx);
// Complete (cmdVoltooi): writes the fields into the current row; refused like Move data.
EntryResult completeEvent(const EditorContext& ctx);

// optGen click: 0 male, 1 female. While browsing the gender goes into column 3 at once.
void genderClicked(const EditorContext& ctx, int index);
// cmbAge got focus / lost focus; the window sets fields.cmbAge.index before the latter.
void ageGotFocus(const EditorContext& ctx);
void ageLostFocus(const EditorContext& ctx);
// cmbItem click: selects the entry in cmbItem and cmbTV.
void eventClicked(const EditorContext& ctx, int index);

// flxProg: before the current cell changes, after it changed, and a click on a row.
void beforeCellChange(const EditorContext& ctx);
void afterCellChange(const EditorContext& ctx);
// While moving events, applies the two-click move rules; true when a row was moved.
bool gridClicked(const EditorContext& ctx, int row);

} // namespace dravik
