// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace dravik {

// The entries of a drop-down list and its selected index (-1 for none).
struct ChoiceList {
    std::vector<std::string> entries;
    int index = -1;

    int count() const { return static_cast<int>(entries.size()); }
    bool empty() const { return entries.empty(); }
    // The selected entry; empty when nothing is selected.
    std::string text() const { return index >= 0 && index < count() ? entries[index] : std::string(); }
    // Selects an entry; an index outside the list leaves the selection as it is.
    void select(int i)
    {
        if (i >= 0 && i < count())
            index = i;
    }
    void assign(std::vector<std::string> list)
    {
        entries = std::move(list);
        index = -1;
    }
};

// The event list cmbItem (event names) with its hidden companion cmbTV (the
// definition number of each name). Entries are added in pairs and there is one
// selected index for both, so the two lists never differ in length or selection.
class EventList {
public:
    const std::vector<std::string>& cmbItem() const { return names_; }
    const std::vector<std::string>& cmbTV() const { return definitions_; }
    int count() const { return static_cast<int>(names_.size()); }
    bool empty() const { return names_.empty(); }
    int index() const { return index_; }

    void clear()
    {
        names_.clear();
        definitions_.clear();
        index_ = -1;
    }
    void add(std::string name, std::string definition)
    {
        names_.push_back(std::move(name));
        definitions_.push_back(std::move(definition));
    }
    // An index outside the list leaves the selection as it is.
    void select(int i)
    {
        if (i >= 0 && i < count())
            index_ = i;
    }
    void selectFirst() { select(0); }
    // Selected texts of cmbItem and cmbTV; empty when nothing is selected.
    std::string itemText() const { return index_ >= 0 ? names_[index_] : std::string(); }
    std::string tvText() const { return index_ >= 0 ? definitions_[index_] : std::string(); }

private:
    std::vector<std::string> names_;
    std::vector<std::string> definitions_;
    int index_ = -1;
};

// Which of the panels beside and under the programme grid are shown.
struct EditorPanels {
    bool fraData = false;  // the event fields
    bool fraAction = true; // New Event, Modify, Delete, Clear, Move, Renumber, Save ...
    bool fraNuut = false;  // Move data / End of new Events
    bool fraWysig = false; // Complete
    bool fraMoveEnd = false;
    bool fraHerN = false; // renumbering
    bool fraPRek = false; // the record of the current event
    bool fraDisp = false; // display order
};

// The event-field controls of the programme tab. The window copies them to its
// controls after each call and back before it, and applies the panels.
struct EventFields {
    std::string txtNumber;
    std::string txtSub;
    std::string txtTime;
    std::string txtPoint;
    int optGen = 0; // 0 male, 1 female
    ChoiceList cmbAge;
    EventList events; // cmbItem and cmbTV
    ChoiceList cmbLevel;
    ChoiceList cmbDagn;
    int optAmp = 0;                     // 0 all events, 1 official events only
    std::array<std::string, 5> txtPRek; // record of the current event
    bool cmdPRekEnabled = false;
    EditorPanels panels;
};

} // namespace dravik
