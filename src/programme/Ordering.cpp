// SPDX-License-Identifier: GPL-3.0-or-later
#include "programme/Ordering.h"

#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "programme/ProgrammeRow.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace dravik {

namespace {

// Whole numbers are by far the most common cell; they skip the general number reading.
std::string numberText(double n)
{
    if (n == std::nearbyint(n) && n > -1e15 && n < 1e15)
        return std::to_string(static_cast<long long>(n));
    return formatNumber(n);
}

// A cell read for sorting: whether the whole cell is a number, and its leading number.
struct CellKey {
    bool parsed = false;
    bool numeric = false;
    double value = 0;
};

CellKey readCell(const std::string& text)
{
    CellKey key;
    key.parsed = true;
    if (!text.empty() && text.size() <= 15 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        key.numeric = true;
        for (char c : text)
            key.value = key.value * 10 + (c - '0');
        return key;
    }
    key.numeric = isNumericText(text);
    key.value = textToNumber(text);
    return key;
}

// The cells of the programme rows, each read as a number on first use. Rows are
// named by their grid row number; the grid must not change while this exists.
class SortCells {
public:
    explicit SortCells(const GridModel& grid) : rows_(grid.rows()), keys_(grid.cols())
    {
        for (int r = 1; r < grid.rows(); ++r)
            rows_[r] = grid.rowCells(r).data();
    }

    const std::string& text(int row, int col) const { return rows_[row][col]; }

    const CellKey& key(int row, int col)
    {
        // Most columns are never reached, so each column's keys are made on first use.
        std::vector<CellKey>& column = keys_[col];
        if (column.empty())
            column.resize(rows_.size());
        CellKey& k = column[row];
        if (!k.parsed)
            k = readCell(text(row, col));
        return k;
    }

    // compareCells with each cell read as a number once.
    int compareGeneric(int a, int b, int col)
    {
        const CellKey& ka = key(a, col);
        const CellKey& kb = key(b, col);
        if (ka.numeric && kb.numeric)
            return ka.value < kb.value ? -1 : kb.value < ka.value ? 1 : 0;
        return text(a, col).compare(text(b, col));
    }

private:
    std::vector<const std::string*> rows_;
    std::vector<std::vector<CellKey>> keys_;
};

enum class KeyKind { Number, Text };
struct SortKey {
    int col;
    KeyKind kind;
};

std::vector<SortKey> orderKeys(DisplayOrder order)
{
    switch (order) {
    case DisplayOrder::Number:
        return {{pcol::Day, KeyKind::Number}, {pcol::Number, KeyKind::Number}, {pcol::Sub, KeyKind::Text}};
    case DisplayOrder::Event:
        return {{pcol::Event, KeyKind::Text}};
    case DisplayOrder::GenderAge:
        return {{pcol::Gender, KeyKind::Text}, {pcol::Age, KeyKind::Number}};
    case DisplayOrder::GenderAgeEvent:
        return {{pcol::Gender, KeyKind::Text}, {pcol::Age, KeyKind::Number}, {pcol::Event, KeyKind::Text}};
    }
    return {};
}

// Column order of the generic pass: left to right, with the day first for Number.
std::vector<int> genericColumns(const GridModel& grid, DisplayOrder order)
{
    std::vector<int> cols;
    if (order == DisplayOrder::Number)
        cols.push_back(pcol::Day);
    for (int c = 0; c < grid.cols(); ++c)
        if (order != DisplayOrder::Number || c != pcol::Day)
            cols.push_back(c);
    return cols;
}

// One programme row in a sort, with the keys it is compared by most often at hand.
struct SortItem {
    int row = 0;
    // The first column of the generic pass.
    bool firstNumeric = false;
    double firstValue = 0;
    std::string_view firstText;
    // The keys of the keyed pass by key position: numbers, and texts with their
    // first eight bytes as one number that orders like the text.
    std::array<double, 3> numbers{};
    std::array<std::uint64_t, 3> prefixes{};
    std::array<std::string_view, 3> texts{};
};

std::uint64_t textPrefix(std::string_view text)
{
    std::uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return prefix;
}

// Puts the programme rows into the order of `rows` (grid row numbers). The rows are
// copied in grid order, which reads the grid front to back, and then moved into place.
void arrangeRows(GridModel& grid, const std::vector<int>& rows)
{
    std::vector<std::vector<std::string>> copies(grid.rows());
    for (int r = 1; r < grid.rows(); ++r)
        copies[r] = grid.rowCells(r);
    grid.beginUpdate();
    grid.setRows(1);
    for (int r : rows)
        grid.addRow(std::move(copies[r]));
    grid.endUpdate();
}

void showBrowsingPanels(EditorPanels& p)
{
    p.fraAction = true;
    p.fraHerN = false;
    p.fraMoveEnd = false;
}

} // namespace

Question deleteQuestion(const GridModel& grid, int row, Language lang)
{
    std::string event = grid.cell(row, pcol::Number) + grid.cell(row, pcol::Sub);
    if (isEnglish(lang))
        return {"Are you sure that event number " + event + " must be deleted?", " Delete Event "};
    return {"Is jy seker dat item nommer " + event + " geskraap moet word?", " Skraap Item "};
}

bool deleteEvent(const EditorContext& ctx, const AskYesNo& ask)
{
    ctx.session.ProgrammeChanged = true;
    ctx.state.endMoves();
    int row = ctx.grid.row();
    ctx.state.lastDeletedRow = row;
    if (row <= 0 || row >= ctx.grid.rows())
        return false;
    if (!ask(deleteQuestion(ctx.grid, row, ctx.language)))
        return false;
    ctx.grid.removeItem(row);
    return true;
}

void clearProgramme(const EditorContext& ctx)
{
    ctx.state.endMoves();
    ctx.grid.setRows(1);
}

void startMoves(const EditorContext& ctx)
{
    ctx.session.ProgrammeChanged = true;
    ctx.state.mode = EditingMode::Browsing;
    EditorPanels& p = ctx.fields.panels;
    p.fraHerN = false;
    p.fraNuut = false;
    p.fraData = false;
    p.fraAction = false;
    p.fraMoveEnd = true;
    ctx.state.move.arm();
}

bool applyMoveClick(MoveState& move, GridModel& grid, int row)
{
    if (!move.armed)
        return false;
    if (move.phase == 1 && move.source == 0) {
        move.source = row;
        move.phase = 2;
        return false;
    }
    if (move.phase != 2)
        return false;
    move.target = row;
    bool allowed = move.source > 0 && move.source < grid.rows() && move.target > 0 && move.target != move.source &&
                   move.target < grid.rows() - 1;
    if (allowed)
        grid.moveRow(move.source, move.target);
    move.source = 0;
    move.phase = 1;
    return allowed;
}

void endMoves(const EditorContext& ctx)
{
    ctx.state.endMoves();
    showBrowsingPanels(ctx.fields.panels);
}

int renumberProgramme(GridModel& grid, const RenumberRequest& request)
{
    const int rows = grid.rows();
    int first = 1, last = rows - 1;
    double number = 1;
    if (!request.all) {
        while (first < rows && textToNumber(grid.cell(first, pcol::Number)) < request.begin)
            ++first;
        if (first >= rows)
            return 0;
        last = first;
        while (last < rows && textToNumber(grid.cell(last, pcol::Number)) < request.end)
            ++last;
        if (last >= rows)
            last = rows - 1;
        number = request.newStart;
    }
    if (first > last)
        return 0;

    // The new numbers first, from the old ones: a range that would run past
    // 9999 is refused before any row changes.
    std::vector<double> numbers;
    numbers.reserve(last - first + 1);
    for (int r = first; r <= last; ++r) {
        numbers.push_back(number);
        // Keeping sub numbers, rows of one old number with sub letters share the new number.
        bool advance = !request.keepSubNumbers || trimmed(grid.cell(r, pcol::Sub)).empty();
        if (!advance && r + 1 < rows)
            advance = textToNumber(grid.cell(r + 1, pcol::Number)) != textToNumber(grid.cell(r, pcol::Number));
        if (advance)
            number += 1;
    }
    if (numbers.back() > kHighestEventNumber)
        return -static_cast<int>(numbers.back());

    grid.beginUpdate();
    for (int r = first; r <= last; ++r) {
        grid.setCell(r, pcol::Number, numberText(numbers[r - first]));
        if (!request.keepSubNumbers)
            grid.setCell(r, pcol::Sub, " ");
    }
    grid.endUpdate();
    return last - first + 1;
}

void startRenumber(const EditorContext& ctx, RenumberFields& renumber)
{
    ctx.session.ProgrammeChanged = true;
    ctx.state.endMoves();
    EditorPanels& p = ctx.fields.panels;
    p.fraNuut = false;
    p.fraAction = false;
    p.fraData = false;
    p.fraHerN = true;
    renumber.frareeks = false;
    const GridModel& grid = ctx.grid;
    bool hasRows = grid.rows() > 1;
    renumber.txtBegin = hasRows ? grid.cell(1, pcol::Number) : std::string();
    renumber.txtEind = hasRows ? grid.cell(grid.rows() - 1, pcol::Number) : std::string();
}

void renumberScopeClicked(RenumberFields& renumber, int index)
{
    renumber.optHer = index == 1 ? 1 : 0;
    renumber.frareeks = renumber.optHer == 1;
}

EntryResult continueRenumber(const EditorContext& ctx, RenumberFields& renumber, int* renumbered)
{
    ctx.state.mode = EditingMode::Browsing;
    if (renumber.optHer != 0) {
        const bool en = isEnglish(ctx.language);
        const std::pair<const std::string*, const char*> inputs[] = {
            {&renumber.txtBegin, en ? "Start" : "Begin"},
            {&renumber.txtEind, en ? "End" : "Einde"},
            {&renumber.txtNBegin, en ? "New start as" : "Nuwe begin as"}};
        for (const auto& [text, field] : inputs) {
            EntryResult check = checkEventNumber(*text, field, ctx.language);
            if (!check.ok())
                return check;
        }
        if (textToNumber(renumber.txtBegin) > textToNumber(renumber.txtEind))
            return en ? EntryResult{"The range starts at " + renumber.txtBegin + ", after its end " + renumber.txtEind +
                                        ": type a start no higher than the end.",
                                    "Invalid range"}
                      : EntryResult{"Die reeks begin by " + renumber.txtBegin + ", na sy einde " + renumber.txtEind +
                                        ": tik 'n begin wat nie hoer as die einde is nie.",
                                    "Ongeldige reeks"};
    }
    RenumberRequest request;
    request.all = renumber.optHer == 0;
    request.begin = textToNumber(renumber.txtBegin);
    request.end = textToNumber(renumber.txtEind);
    request.newStart = textToNumber(renumber.txtNBegin);
    request.keepSubNumbers = renumber.chkHer;
    int done = renumberProgramme(ctx.grid, request);
    if (done < 0) {
        const std::string highest = std::to_string(-done);
        return isEnglish(ctx.language)
                   ? EntryResult{"Renumbering would give event number " + highest +
                                     ", past the highest number 9999. Nothing was renumbered: start lower.",
                                 "Invalid number"}
                   : EntryResult{"Hernommering sou itemnommer " + highest +
                                     " gee, hoer as die hoogste nommer 9999. Niks is hernommer nie: begin laer.",
                                 "Ongeldige nommer"};
    }
    if (renumbered)
        *renumbered = done;
    if (ctx.grid.rows() > 1)
        renumber.txtEind = ctx.grid.cell(ctx.grid.rows() - 1, pcol::Number);
    return {};
}

void exitRenumber(const EditorContext& ctx)
{
    ctx.state.mode = EditingMode::Browsing;
    ctx.fields.panels.fraHerN = false;
    ctx.fields.panels.fraAction = true;
}

void sortProgramme(GridModel& grid, DisplayOrder order)
{
    if (grid.rows() <= 2 || grid.cols() < pcol::Count)
        return;
    SortCells cells(grid);
    const std::vector<int> columns = genericColumns(grid, order);
    const std::vector<SortKey> keys = orderKeys(order);

    std::vector<SortItem> items(grid.rows() - 1);
    for (int r = 1; r < grid.rows(); ++r) {
        SortItem& item = items[r - 1];
        item.row = r;
        const CellKey& first = cells.key(r, columns[0]);
        item.firstNumeric = first.numeric;
        item.firstValue = first.value;
        item.firstText = cells.text(r, columns[0]);
        for (size_t k = 0; k < keys.size(); ++k) {
            if (keys[k].kind == KeyKind::Number)
                item.numbers[k] = cells.key(r, keys[k].col).value;
            else {
                item.texts[k] = cells.text(r, keys[k].col);
                item.prefixes[k] = textPrefix(item.texts[k]);
            }
        }
    }

    // Three-way comparisons of the generic pass and of the keyed pass.
    auto generic = [&](const SortItem& a, const SortItem& b) {
        if (a.firstNumeric && b.firstNumeric) {
            if (a.firstValue != b.firstValue)
                return a.firstValue < b.firstValue ? -1 : 1;
        } else if (int d = a.firstText.compare(b.firstText)) {
            return d;
        }
        for (size_t i = 1; i < columns.size(); ++i)
            if (int d = cells.compareGeneric(a.row, b.row, columns[i]))
                return d;
        return 0;
    };
    auto keyed = [&](const SortItem& a, const SortItem& b) {
        for (size_t k = 0; k < keys.size(); ++k) {
            if (keys[k].kind == KeyKind::Number) {
                if (a.numbers[k] != b.numbers[k])
                    return a.numbers[k] < b.numbers[k] ? -1 : 1;
            } else if (a.prefixes[k] != b.prefixes[k]) {
                return a.prefixes[k] < b.prefixes[k] ? -1 : 1;
            } else if (int d = a.texts[k].compare(b.texts[k])) {
                return d;
            }
        }
        return 0;
    };
    // A stable sort by the keys, with rows of equal keys in generic order, leaves the
    // rows as a generic pass followed by a stable keyed pass would, in half the work.
    std::stable_sort(items.begin(), items.end(), [&](const SortItem& a, const SortItem& b) {
        int d = keyed(a, b);
        return (d != 0 ? d : generic(a, b)) < 0;
    });

    std::vector<int> rows;
    rows.reserve(items.size());
    for (const SortItem& item : items)
        rows.push_back(item.row);
    arrangeRows(grid, rows);
}

void openDisplayOrder(const EditorContext& ctx)
{
    ctx.fields.panels.fraDisp = true;
}

void closeDisplayOrder(const EditorContext& ctx)
{
    ctx.fields.panels.fraDisp = false;
}

void displayOrderClicked(const EditorContext& ctx, int index)
{
    if (index < 0 || index > 3)
        return;
    ctx.state.displayOrder = index;
    sortProgramme(ctx.grid, static_cast<DisplayOrder>(index));
    // A first move click names a row by its place, which the sort has changed.
    if (ctx.state.move.armed)
        ctx.state.move.arm();
    if (ctx.grid.rows() > 1) {
        ctx.grid.setCurrent(1, ctx.grid.col());
        ShowEventFields(ctx);
    }
}

} // namespace dravik
