// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/WorkingList.h"

#include "data/ReferenceData.h"
#include "generator/EventEstimate.h"
#include "platform/GridModel.h"
#include "platform/RecordSet.h"
#include "platform/TextNumber.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace dravik {

namespace {

// One row of the working list while it is being built, before it goes into the grid.
struct Item {
    std::vector<std::string> cells;
    int entries = 0;
    bool poleVault = false;
};

Item makeItem(double tnom, const EventReference& ref)
{
    const DefinitionList& defs = ref.definitions;
    int i = defs.find(tnom);
    // An entry for a definition that no longer exists still gets its row, with the
    // empty values of the spare place: gender "D", no age, name or kind.
    bool known = i < defs.count();
    const EventDefinition& def = defs.at(i);
    const CatalogueEntry& entry = ref.catalogue.at(ref.catalogueIndexOf(i));

    Item item;
    item.cells.resize(ncol::Count);
    item.cells[ncol::Gender] = std::string(1, def.isMale() ? 'S' : 'D');
    item.cells[ncol::Age] = def.oud;
    // The working list shows the English name in both windows.
    item.cells[ncol::Event] = known ? ref.eventName(i, true, true) : std::string();
    item.cells[ncol::Definition] = formatNumber(tnom);
    item.cells[ncol::NameKey] = def.besk;
    item.cells[ncol::Kind] = known ? std::to_string(def.tipe == 9 ? 0 : def.tipe) : std::string();
    item.entries = 1;
    item.poleVault = known && isPoleVault(item.cells[ncol::Event], entry.bska);
    return item;
}

// Kind numerically, then name key, age and gender each as numbers or text.
bool itemLess(const Item& a, const Item& b)
{
    double ka = textToNumber(a.cells[ncol::Kind]), kb = textToNumber(b.cells[ncol::Kind]);
    if (ka != kb)
        return ka < kb;
    for (int col : {ncol::NameKey, ncol::Age, ncol::Gender}) {
        int c = compareCells(a.cells[col], b.cells[col]);
        if (c != 0)
            return c < 0;
    }
    return false;
}

} // namespace

void setupWorkingList(GridModel& flxNLys)
{
    flxNLys.beginUpdate();
    flxNLys.setCols(ncol::Count);
    flxNLys.setRows(1);
    flxNLys.setHeader({"Ges", "Oud", "Item", "Inskr", "Duur", "Tyd", "No", "Reekse", "Verw", "Besk", "Tipe"});
    flxNLys.endUpdate();
}

WorkingListSummary readItems(GridModel& flxNLys, RecordSet& atld37, const EventReference& ref,
                             const GridModel& flxNBane)
{
    // One row per definition; the map finds the row of an entry's definition.
    std::vector<Item> items;
    std::unordered_map<double, size_t> rowOf;
    for (atld37.moveFirst(); !atld37.eof(); atld37.moveNext()) {
        double tnom = atld37.field("Tnom").number();
        auto [it, added] = rowOf.try_emplace(tnom, items.size());
        if (added)
            items.push_back(makeItem(tnom, ref));
        else
            ++items[it->second].entries;
    }

    std::stable_sort(items.begin(), items.end(), itemLess);

    // The estimate runs before the grid is touched, so that a bad heat size leaves the list as it was.
    WorkingListSummary summary;
    summary.rows = static_cast<int>(items.size());
    double longestField = 0;
    for (Item& item : items) {
        int kind = static_cast<int>(textToNumber(item.cells[ncol::Kind]));
        double distance = textToNumber(item.cells[ncol::Event]);
        EventEstimate e = estimateEvent(kind, distance, item.entries, item.poleVault, flxNBane);
        item.cells[ncol::Entries] = std::to_string(item.entries);
        if (e.form == EventEstimate::Form::None)
            continue;
        item.cells[ncol::Heats] = std::to_string(e.heats);
        item.cells[ncol::Minutes] = formatNumber(e.minutes);
        if (e.form == EventEstimate::Form::Race)
            summary.trackMinutes += e.minutes;
        else
            longestField = std::max(longestField, e.roundMinutes);
    }
    summary.roundLength = fieldRoundLength(longestField);
    summary.rounds = fieldRoundCount(summary.trackMinutes, summary.roundLength);

    flxNLys.beginUpdate();
    setupWorkingList(flxNLys);
    for (Item& item : items)
        flxNLys.addRow(std::move(item.cells));
    // A list of one or two rows keeps only the summary values it has rows for.
    const std::pair<int, double> values[] = {{nsummary::TrackMinutes, summary.trackMinutes},
                                             {nsummary::RoundLength, summary.roundLength},
                                             {nsummary::RoundCount, static_cast<double>(summary.rounds)}};
    for (const auto& [row, value] : values)
        if (row < flxNLys.rows())
            flxNLys.setCell(row, ncol::Time, formatNumber(value));
    if (flxNLys.rows() > 1)
        flxNLys.setCurrent(1, flxNLys.col());
    flxNLys.endUpdate();
    return summary;
}

bool removeCurrentItem(GridModel& flxNLys)
{
    int row = flxNLys.row();
    if (row <= 0 || row >= flxNLys.rows())
        return false;
    flxNLys.removeItem(row);
    return true;
}

} // namespace dravik
