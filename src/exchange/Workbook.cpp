// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/Workbook.h"

#include "exchange/OdsSheetReader.h"
#include "exchange/XlsxSheetReader.h"
#include "platform/TextNumber.h"

#include <freexl.h>
#include <orcus/format_detection.hpp>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>

namespace fs = std::filesystem;

namespace dravik {

bool SheetCell::empty() const
{
    return kind == Kind::Empty || (kind == Kind::Text && trimmed(text).empty());
}

std::string SheetCell::asText() const
{
    switch (kind) {
    case Kind::Number:
        return formatNumber(number);
    case Kind::Text:
    case Kind::Unreadable:
        return text;
    case Kind::Empty:
        break;
    }
    return {};
}

double SheetCell::asNumber() const
{
    switch (kind) {
    case Kind::Number:
        return number;
    case Kind::Text:
        return textToNumber(text);
    case Kind::Unreadable:
    case Kind::Empty:
        break;
    }
    return 0;
}

Sheet::Sheet(int rows, int cols)
    : rows_(std::max(rows, 0)), cols_(std::max(cols, 0)), cells_(static_cast<size_t>(rows_) * cols_)
{
}

const SheetCell& Sheet::cell(int row, int col) const
{
    static const SheetCell none;
    if (row < 1 || col < 1 || row > rows_ || col > cols_)
        return none;
    return cells_[static_cast<size_t>(row - 1) * cols_ + (col - 1)];
}

void Sheet::setCell(int row, int col, SheetCell value)
{
    if (row < 1 || col < 1 || row > rows_ || col > cols_)
        return;
    cells_[static_cast<size_t>(row - 1) * cols_ + (col - 1)] = std::move(value);
}

std::string cellReference(int row, int col)
{
    std::string letters;
    for (int c = col; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + std::to_string(row);
}

namespace {

enum class Format { Unknown, Xlsx, Ods, Xls };

std::string quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

[[noreturn]] void fail(const std::string& path, const std::string& reason)
{
    throw ExchangeError("Cannot read the workbook " + quoted(path) + ": " + reason, ExchangeError::Kind::NotWorkbook,
                        {path, reason});
}

// The format from the file's contents: a zip package is .xlsx or .ods (orcus
// tells them apart by their parts), a compound document is a legacy .xls.
Format detectFormat(const std::string& content)
{
    static const std::string zipMagic("PK\x03\x04", 4);
    static const std::string oleMagic("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    if (content.compare(0, oleMagic.size(), oleMagic) == 0)
        return Format::Xls;
    if (content.compare(0, zipMagic.size(), zipMagic) != 0)
        return Format::Unknown;
    try {
        switch (orcus::detect(reinterpret_cast<const unsigned char*>(content.data()), content.size())) {
        case orcus::format_t::xlsx:
            return Format::Xlsx;
        case orcus::format_t::ods:
            return Format::Ods;
        default:
            break;
        }
    } catch (...) {
    }
    return Format::Unknown;
}

Sheet readWithFreexl(const std::string& path, int maxRows, int maxCols)
{
    const void* handle = nullptr;
    int rc = freexl_open(path.c_str(), &handle);
    // freexl wants its handle closed even when opening failed.
    std::unique_ptr<const void, void (*)(const void*)> closer(handle, [](const void* h) {
        if (h)
            freexl_close(h);
    });
    if (rc != FREEXL_OK)
        fail(path, "the file is damaged or not a workbook (freexl error " + std::to_string(rc) + ")");
    unsigned int sheets = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets == 0)
        fail(path, "it holds no worksheet");
    if (freexl_select_active_worksheet(handle, 0) != FREEXL_OK)
        fail(path, "its first worksheet cannot be read");
    const char* sheetName = nullptr;
    freexl_get_worksheet_name(handle, 0, &sheetName);
    unsigned int rows = 0;
    unsigned short cols = 0;
    if (freexl_worksheet_dimensions(handle, &rows, &cols) != FREEXL_OK)
        fail(path, "its first worksheet cannot be read");

    Sheet sheet(maxRows, maxCols);
    if (sheetName)
        sheet.setName(sheetName);
    int lastRow = std::min<long long>(maxRows, rows), lastCol = std::min<int>(maxCols, cols);
    for (int r = 1; r <= lastRow; ++r) {
        for (int c = 1; c <= lastCol; ++c) {
            FreeXL_CellValue v;
            if (freexl_get_cell_value(handle, r - 1, static_cast<unsigned short>(c - 1), &v) != FREEXL_OK)
                continue;
            switch (v.type) {
            case FREEXL_CELL_INT:
                sheet.setCell(r, c, SheetCell::ofNumber(v.value.int_value));
                break;
            case FREEXL_CELL_DOUBLE:
                sheet.setCell(r, c, SheetCell::ofNumber(v.value.double_value));
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                if (v.value.text_value)
                    sheet.setCell(r, c, SheetCell::ofText(v.value.text_value));
                break;
            default:
                break;
            }
        }
    }
    for (unsigned int r = static_cast<unsigned int>(maxRows); r < rows; ++r) {
        FreeXL_CellValue v;
        if (freexl_get_cell_value(handle, r, 0, &v) == FREEXL_OK && v.type != FREEXL_CELL_NULL)
            sheet.countRowBelow();
    }
    return sheet;
}

} // namespace

Sheet readFirstSheet(const std::string& path, int maxRows, int maxCols)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        fail(path, "there is no such file");
    std::string content;
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            fail(path, "the file cannot be opened");
        content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
            fail(path, "the file cannot be read");
    }
    if (content.empty())
        fail(path, "the file is empty");
    const Format format = detectFormat(content);
    switch (format) {
    case Format::Xlsx:
    case Format::Ods: {
        std::optional<Sheet> sheet;
        try {
            sheet = format == Format::Xlsx ? readXlsxSheet(content, maxRows, maxCols)
                                           : readOdsSheet(content, maxRows, maxCols);
        } catch (const std::exception& e) {
            fail(path, std::string("the file is damaged or not a workbook (") + e.what() + ")");
        }
        if (!sheet)
            fail(path, "it holds no worksheet");
        return std::move(*sheet);
    }
    case Format::Xls:
        return readWithFreexl(path, maxRows, maxCols);
    case Format::Unknown:
        break;
    }
    fail(path, "it is not a workbook (.xlsx, .ods or .xls)");
}

bool isWorkbookFileName(const std::string& name)
{
    std::string ext = fs::path(name).extension().string();
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".xlsx" || ext == ".ods" || ext == ".xls";
}

} // namespace dravik
