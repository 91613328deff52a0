// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/RecordsReport.h"

#include "platform/GridModel.h"
#include "platform/TextNumber.h"
#include "printing/TableFormat.h"
#include "records/RecordGrid.h"

#include <stdexcept>

namespace dravik::printing {

namespace {

struct OptionalColumn {
    const char* key; // as `dravik print --columns` names it
    const char* english;
    const char* afrikaans;
    const char* format;
    int widthMm;
};

constexpr OptionalColumn kColumns[] = {
    {"name", "Name", "Naam", "<2.8cm", 28},   {"surname", "Surname", "Van", "<2.8cm", 28},
    {"gen", "Gen", "Ges", "<0.9cm", 9},       {"age", "Age", "Oud", "<0.9cm", 9},
    {"year", "Year", "Jaar", "<1.0cm", 10},   {"date", "Date", "Datum", "<1.8cm", 18},
    {"track", "Track", "Baan", "<2.2cm", 22}, {"team", "Team", "Span", "<2.2cm", 22},
};
static_assert(std::size(kColumns) == static_cast<size_t>(RecordsColumn::Count));

// Event and Record always print; widths are kept in millimetres so the sums are exact.
constexpr int kFixedWidthMm = 51;
constexpr int kLandscapeFromMm = 140;

int widthMm(const RecordsReportOptions& options)
{
    int sum = kFixedWidthMm;
    for (size_t i = 0; i < std::size(kColumns); ++i)
        if (options.ticked[i])
            sum += kColumns[i].widthMm;
    return sum;
}

// "B - 13" prints B as the gender and 13 as the age; the open class ("Men") has no age.
std::string cellOf(const std::vector<std::string>& row, RecordsColumn column)
{
    switch (column) {
    case RecordsColumn::Name:
        return row[reccol::Name];
    case RecordsColumn::Surname:
        return row[reccol::Surname];
    case RecordsColumn::Gender:
        return trimmed(row[reccol::Category]).substr(0, 1);
    case RecordsColumn::Age: {
        std::string category = trimmed(row[reccol::Category]);
        std::string rest = category.size() > 3 ? trimmed(category.substr(3)) : "";
        return rest.empty() || textToNumber(rest) == 0 ? "" : formatNumber(textToNumber(rest));
    }
    case RecordsColumn::Year:
        return row[reccol::Year];
    case RecordsColumn::Date:
        return row[reccol::Date];
    case RecordsColumn::Track:
        return row[reccol::Track];
    case RecordsColumn::Team:
        return row[reccol::Team];
    default:
        return "";
    }
}

} // namespace

double recordsReportWidth(const RecordsReportOptions& options)
{
    return widthMm(options) / 10.0;
}

std::array<bool, static_cast<size_t>(RecordsColumn::Count)> parseRecordsColumns(std::string_view list)
{
    std::array<bool, static_cast<size_t>(RecordsColumn::Count)> ticked{};
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(',', start);
        if (end == std::string_view::npos)
            end = list.size();
        std::string name = trimmed(list.substr(start, end - start));
        if (!name.empty()) {
            size_t i = 0;
            while (i < std::size(kColumns) && name != kColumns[i].key)
                ++i;
            if (i == std::size(kColumns))
                throw std::invalid_argument("Unknown records column \"" + name +
                                            "\": use name, surname, gen, age, year, date, track or team.");
            ticked[i] = true;
        }
        start = end + 1;
    }
    return ticked;
}

bool PrintRecordsReport(Document& doc, const GridModel& flxRek, const RecordsReportOptions& options,
                        const RecordsProgress& progress)
{
    if (flxRek.rows() < 2)
        return false;
    const bool english = isEnglish(options.language);
    std::string format = "<3.1cm", header = english ? "Event" : "Item";
    for (size_t i = 0; i < std::size(kColumns); ++i)
        if (options.ticked[i]) {
            format += std::string("|") + kColumns[i].format;
            header += std::string("|") + (english ? kColumns[i].english : kColumns[i].afrikaans);
        }
    format += "|>2.0cm";
    header += english ? "|Record" : "|Rekord";

    Table table;
    table.columns = columnsFromFormat(format);
    table.header = splitBars(header);
    for (int r = 1; r < flxRek.rows(); ++r) {
        if (progress)
            progress(r);
        const auto& row = flxRek.rowCells(r);
        std::string record = trimmed(row[reccol::Record]);
        if (record.empty())
            continue;
        std::vector<std::string> cells{row[reccol::Event]};
        for (size_t i = 0; i < std::size(kColumns); ++i)
            if (options.ticked[i])
                cells.push_back(cellOf(row, static_cast<RecordsColumn>(i)));
        cells.push_back(record);
        table.rows.push_back(std::move(cells));
    }

    doc.setExportFile(options.documentFile);
    doc.setOrientation(widthMm(options) >= kLandscapeFromMm ? Orientation::Landscape : Orientation::Portrait);
    doc.setFontSize(options.fontSize);
    doc.setTitle("Records - " + options.setName);
    doc.startDoc();
    doc.paragraph("\n");
    // The same English words in both windows.
    doc.paragraph("Record set: " + options.setName + " (" + options.setSymbol + ")\n");
    doc.paragraph("\n");
    doc.paragraph("\n");
    table.fontSize = 8;
    doc.addTable(std::move(table));
    doc.endDoc();
    return true;
}

} // namespace dravik::printing
