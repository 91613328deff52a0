// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "programme/EditorState.h"
#include "programme/EventEntry.h"
#include "programme/Language.h"

#include <functional>
#include <string>

namespace dravik {

class GridModel;

// A Yes/No question for the user.
struct Question {
    std::string text;
    std::string title;
};
// Asks the question; true for Yes. The window shows a message box, tests answer directly.
using AskYesNo = std::function<bool(const Question&)>;

// The question asked before deleting grid row `row`.
Question deleteQuestion(const GridModel& grid, int row, Language lang);
// Delete (cmdDelete): asks about the current row and removes it on Yes. The
// programme counts as changed even when the answer is No. True when a row went.
bool deleteEvent(const EditorContext& ctx, const AskYesNo& ask);
// Clear (cmdClear): empties the grid to its header without asking.
void clearProgramme(const EditorContext& ctx);

// Move Event(s) (cmdMove): arms the two-click move.
void startMoves(const EditorContext& ctx);
// One click on grid row `row` while moving: the first click picks the event, the
// second its new position. The last row, the row itself and row 0 are refused as
// positions. True when a row was moved.
bool applyMoveClick(MoveState& move, GridModel& grid, int row);
// End Moves (cmdMoveEnd).
void endMoves(const EditorContext& ctx);

// The inputs of the renumber panel fraHerN.
struct RenumberFields {
    std::string txtBegin;  // first event number of the range
    std::string txtEind;   // last event number of the range
    std::string txtNBegin; // new first number
    int optHer = 0;        // 0 all events, 1 a range of events
    bool chkHer = false;   // keep sub numbers
    bool frareeks = false; // the range inputs are shown
};

struct RenumberRequest {
    bool all = true;
    double begin = 0;    // range: from the first row numbered at least this
    double end = 0;      // to the first row from there numbered at least this, else the last row
    double newStart = 1; // range: the first new number; all events start at 1
    bool keepSubNumbers = false;
};

// Renumbers the programme rows in grid order. Without keeping sub numbers every row
// gets the next number and a blank sub letter; keeping them, consecutive rows of one
// old number that carry sub letters share one new number. Returns the rows renumbered,
// or, when a new number would pass kHighestEventNumber, minus that number with
// no row changed.
inline constexpr int kHighestEventNumber = 9999;
int renumberProgramme(GridModel& grid, const RenumberRequest& request);

// Renumber (cmdRenum): opens the renumber panel with txtBegin and txtEind set to the
// numbers of the first and last rows.
void startRenumber(const EditorContext& ctx, RenumberFields& renumber);
// optHer click: the range inputs show for a range only.
void renumberScopeClicked(RenumberFields& renumber, int index);
// Continue (cmdHerNou): renumbers as the panel says; txtEind then shows the last number.
// A range whose inputs are not event numbers (1 to 9999), or whose start is above its
// end, is refused with a message and nothing changes. `renumbered` gets the rows renumbered.
EntryResult continueRenumber(const EditorContext& ctx, RenumberFields& renumber, int* renumbered = nullptr);
// Exit of the renumber panel (cmdHerEinde).
void exitRenumber(const EditorContext& ctx);

enum class DisplayOrder { Number = 0, Event = 1, GenderAge = 2, GenderAgeEvent = 3 };

// Sorts the programme rows: first ascending by all columns from left to right (two
// numeric cells compare as numbers, other pairs as case-sensitive text), then stably
// by the keys of the order. For Number the day column comes first in both passes.
void sortProgramme(GridModel& grid, DisplayOrder order);

// Order (cmdVolg) and Close (cmdSluit) of the display-order panel fraDisp.
void openDisplayOrder(const EditorContext& ctx);
void closeDisplayOrder(const EditorContext& ctx);
// optDisp or optDisp1 click (0 to 3): sorts, makes row 1 current and shows it in the
// fields. state.displayOrder holds the choice for both option groups.
void displayOrderClicked(const EditorContext& ctx, int index);

} // namespace dravik
