// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/TableFormat.h"

#include "platform/TextNumber.h"

#include <algorithm>

namespace dravik::printing {

std::vector<std::string> splitBars(std::string_view text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t bar = text.find('|', start);
        parts.emplace_back(text.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos)
            return parts;
        start = bar + 1;
    }
}

LaidOutColumns laidOutColumns(const Table& table, double contentWidthCm)
{
    LaidOutColumns out{table.columns, 0};
    std::size_t cells = table.header.size();
    for (const auto& row : table.rows)
        cells = std::max(cells, row.size());
    if (out.columns.empty())
        out.columns.resize(std::max<std::size_t>(cells, 1));
    double totalCm = 0;
    for (const auto& c : out.columns)
        totalCm += c.widthCm;
    const double fit = totalCm > contentWidthCm && totalCm > 0 ? contentWidthCm / totalCm : 1.0;
    for (auto& c : out.columns)
        c.widthCm *= fit;
    out.widthCm = totalCm * fit;
    return out;
}

std::vector<Column> columnsFromFormat(std::string_view format)
{
    std::vector<Column> columns;
    for (const std::string& column : splitBars(format)) {
        Column c;
        std::string_view rest = column;
        if (!rest.empty() && (rest[0] == '<' || rest[0] == '^' || rest[0] == '>')) {
            c.align = rest[0] == '<' ? Align::Left : rest[0] == '^' ? Align::Centre : Align::Right;
            rest.remove_prefix(1);
        }
        if (!trimmed(rest).empty())
            c.widthCm = textToNumber(rest);
        columns.push_back(c);
    }
    return columns;
}

} // namespace dravik::printing
