// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/DataStore.h"
#include "data/ReferenceData.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "printing/FindEventKind.h"
#include "printing/FormatRecordValue.h"
#include "printing/PageHeading.h"
#include "printing/Printouts.h"
#include "printing/ProgrammeRowTexts.h"
#include "printing/RecordLookup.h"
#include "printing/RecordSymbols.h"
#include "printing/TableFormat.h"
#include "printing/TextFit.h"
#include "programme/ProgrammeRow.h"

#include <optional>

namespace dravik::printing {

namespace {

constexpr const char* kProgrammeFormat = "<1.4cm|<1.6cm|<3.0cm|<4.5cm|<1.6cm|<3.1cm";
constexpr const char* kRecordFormat = "|<3.0cm";
constexpr const char* kAllDataFormat = "|<3.0cm|<3.5cm|<1.8cm|<2.0cm";
constexpr const char* kDateFormat = "|<2.5cm";
constexpr int kRowsWithoutRecords = 40;

int dayOf(const GridModel& grid, int row)
{
    return static_cast<int>(textToNumber(grid.cell(row, pcol::Day)));
}

class StandardProgramme {
public:
    StandardProgramme(Document& doc, const PrintSources& src, PrintOptions& options, const Progress& progress)
        : doc_(doc), src_(src), options_(options), progress_(progress), heading_(src.meeting, options.language),
          grid_(src.programme)
    {
    }

    void print()
    {
        setUp();
        // With "All Days" unticked only the chosen day's rows are printed. A meeting
        // of one day has no days to break at: its pages carry the date only.
        const bool multiDay = src_.meeting.days > 1;
        const bool oneDay = !options_.allDays && multiDay;
        currentDay_ = options_.allDays ? (grid_.rows() > 1 ? dayOf(grid_, 1) : 1) : options_.day;
        firstPageHeading();
        bool pageFull = false;
        for (int r = 1; r < grid_.rows(); ++r) {
            int d = dayOf(grid_, r);
            if (oneDay && d != options_.day)
                continue;
            if (multiDay && d != currentDay_ && !table_.rows.empty())
                dayBreak(d);
            else if (pageFull)
                pageBreak();
            if (progress_)
                progress_(r);
            addRow(r);
            pageFull = ++lineCount_ > capacity_;
        }
        flushTable();
        doc_.endDoc();
    }

private:
    void setUp()
    {
        std::string format = kProgrammeFormat;
        symbols_ = LoadRecordSymbols(src_.store.atld61());
        if (symbols_.empty())
            options_.records = RecordsIncluded::None;
        int count = static_cast<int>(symbols_.size());
        Orientation orientation = Orientation::Portrait;
        double logoLeft = 12;
        int firstCapacity = kRowsWithoutRecords;
        laterCapacity_ = kRowsWithoutRecords;
        if (options_.records == RecordsIncluded::ValuesOnly) {
            format += kRecordFormat;
            int perSet = count == 1 ? 40 : 32;
            firstCapacity = count * perSet - count - 3;
            laterCapacity_ = count * perSet;
        } else if (options_.records == RecordsIncluded::AllData) {
            orientation = Orientation::Landscape;
            format += kAllDataFormat;
            int perSet = count == 1 ? 29 : 22;
            firstCapacity = count * perSet - 2 * count - 3;
            laterCapacity_ = count * perSet;
            logoLeft = 22;
            if (options_.recordDate != RecordDate::None)
                format += kDateFormat;
        }
        table_.columns = columnsFromFormat(format);
        table_.header = standardProgrammeHeader(options_.language, options_.records, options_.recordDate);
        withRecords_ = table_.columns.size() > 6;
        if (withRecords_)
            records_.emplace(src_.store.atld60());
        // The symbols block of a day's first page takes one line per set.
        dayCapacity_ = firstCapacity - (withRecords_ ? count : 0);
        capacity_ = dayCapacity_;
        heading_.setLogoLeft(logoLeft);
        heading_.setOwnLogo(src_.ownLogoFile);

        doc_.setOrientation(orientation);
        doc_.setFontSize(options_.fontSize);
        doc_.setMarginCm(marginFromTwips(table_.columns.size() == 11 ? 300 : 800));
        doc_.setExportFile(src_.documentFile);
        doc_.startDoc();
    }

    void firstPageHeading()
    {
        heading_.top(doc_);
        heading_.dayOrDateLine(doc_, currentDay_);
        if (withRecords_)
            heading_.recordSymbols(doc_, symbols_);
    }

    // A new day starts a page that shows the day and the record symbols again.
    void dayBreak(int day)
    {
        flushTable();
        doc_.newPage();
        heading_.top(doc_);
        heading_.dayLine(doc_, day);
        if (withRecords_)
            heading_.recordSymbols(doc_, symbols_);
        currentDay_ = day;
        lineCount_ = 0;
        capacity_ = dayCapacity_;
    }

    void pageBreak()
    {
        flushTable();
        doc_.newPage();
        heading_.top(doc_);
        heading_.dayOrDateLine(doc_, currentDay_);
        lineCount_ = 0;
        capacity_ = laterCapacity_;
    }

    void flushTable()
    {
        Table next = table_;
        next.rows.clear();
        doc_.addTable(std::move(table_));
        table_ = std::move(next);
    }

    void addRow(int r)
    {
        const auto& c = grid_.rowCells(r);
        std::vector<std::string> cells{trimmed(c[pcol::Number]) + trimmed(c[pcol::Sub]),
                                       c[pcol::Time],
                                       standardGenderLabel(c[pcol::Gender], c[pcol::Age], options_.language),
                                       c[pcol::Event],
                                       c[pcol::Point],
                                       c[pcol::Level]};
        if (withRecords_)
            addRecordCells(textToNumber(c[pcol::Definition]), cells);
        cells.resize(table_.columns.size());
        table_.rows.push_back(std::move(cells));
    }

    void addRecordCells(double definition, std::vector<std::string>& cells)
    {
        const bool allData = options_.records == RecordsIncluded::AllData;
        const int count = static_cast<int>(symbols_.size());
        // Each set's record on a line of its own, the same line in every column.
        std::string record, athlete, team, track, date;
        auto addLine = [](std::string& cell, const std::string& text) { cell += (cell.empty() ? "" : "\n") + text; };
        for (int i = 0; i < count; ++i) {
            lineCount_ += count - 1;
            RecordMatch match = records_->find(symbols_[i].reference, definition);
            lineCount_ -= match.blankRows;
            if (!match.record)
                continue;
            const RecordEntry& rec = *match.record;
            if (rec.value == 0.01) {
                addLine(record, newEventText(options_.language));
            } else {
                int kind = FindEventKind(src_.reference.definitions, definition);
                addLine(record, trimmed(symbols_[i].symbol + " - " + FormatRecordValue(rec.value, kind)));
            }
            if (!allData)
                continue;
            std::string name = trimmed(rec.naam + " " + rec.van);
            if (textLength(name) > 15)
                name = trimmed(firstChars(trimmed(rec.naam), 1) + " " + rec.van);
            addLine(athlete, name);
            addLine(team, firstChars(trimmed(rec.span), 30));
            addLine(track, firstChars(trimmed(rec.plek), 6));
            if (options_.recordDate == RecordDate::Full)
                addLine(date, recordDateText(rec.datum));
            else if (options_.recordDate == RecordDate::Year)
                addLine(date, trimmed(rec.jaar));
        }
        if (trimmed(record).empty())
            return;
        cells.push_back(record);
        if (allData) {
            cells.insert(cells.end(), {athlete, team, track});
            if (options_.recordDate != RecordDate::None)
                cells.push_back(date);
        }
    }

    Document& doc_;
    const PrintSources& src_;
    PrintOptions& options_;
    const Progress& progress_;
    PageHeading heading_;
    const GridModel& grid_;
    std::vector<RecordSymbol> symbols_;
    std::optional<RecordLookup> records_;
    Table table_;
    bool withRecords_ = false;
    int capacity_ = kRowsWithoutRecords, dayCapacity_ = kRowsWithoutRecords, laterCapacity_ = kRowsWithoutRecords;
    int lineCount_ = 0;
    int currentDay_ = 1;
};

} // namespace

void PrintStandardProgramme(Document& doc, const PrintSources& src, PrintOptions& options, const Progress& progress)
{
    StandardProgramme(doc, src, options, progress).print();
}

} // namespace dravik::printing
