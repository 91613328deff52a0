// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace dravik {

// Browsing: field changes go straight into the current grid row.
// Adding: New Event is in progress; field changes stay in the fields until Move data.
enum class EditingMode { Browsing = 1, Adding = 2 };

// Moving events by two clicks on the programme grid.
struct MoveState {
    bool armed = false;
    int phase = 0;  // 1 waiting for the event to move, 2 waiting for its new position
    int source = 0; // grid row of the event to move, 0 for none
    int target = 0;

    void clear() { *this = MoveState{}; }
    void arm() { *this = MoveState{true, 1, 0, 0}; }
};

// The programme editor's state of one main window.
struct EditorState {
    EditingMode mode = EditingMode::Browsing;
    MoveState move;
    // Gender of the event fields as the window's word ("Male" / "Manlik" ...).
    std::string currentGender;
    std::string previousGender;
    double currentAge = 0;
    double previousAge = 0;
    // Grid row last taken by Delete; End of new Events refreshes the fields only after a delete.
    int lastDeletedRow = 0;
    // Number of active record sets; the record frame shows with the event fields only when above 0.
    int activeRecordSets = 0;
    // Shared with the records of the current event: true after a lookup found a record.
    bool recordsFound = false;
    // The display order chosen (0 to 3); both option groups show it.
    int displayOrder = 0;

    bool adding() const { return mode == EditingMode::Adding; }
    // Browsing with no move in progress, as after End Moves or Save.
    void endMoves()
    {
        mode = EditingMode::Browsing;
        move.clear();
    }
};

// Process-wide in the program; the window owns one instance and Exit reads it.
struct ProgrammeSession {
    // The programme grid holds changes that were not saved.
    bool ProgrammeChanged = false;
    // Atld40's fingerprint when the grid was loaded or last saved; Save checks it.
    std::optional<std::uint64_t> storedFingerprint;
};

} // namespace dravik
