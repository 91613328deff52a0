#include "printing/TableFormat.h"

#include "platform/TextNumber.h"

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
