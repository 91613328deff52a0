#include "exchange/Workbook.h"

#include "exchange/WorkbookPackage.h"
#include "platform/TextNumber.h"

#include <freexl.h>
#include <ixion/address.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>
#include <orcus/format_detection.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <pugixml.hpp>
#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <filesystem>
#include <fstream>
#include <memory>

#include <unistd.h>

namespace fs = std::filesystem;

namespace dravik {

bool SheetCell::empty() const
{
    return kind == Kind::Empty || (kind == Kind::Text && trimmed(text).empty());
}

std::string SheetCell::asText() const
{
    switch (kind) {
    case Kind::Number: return formatNumber(number);
    case Kind::Text: return text;
    case Kind::Empty: break;
    }
    return {};
}

double SheetCell::asNumber() const
{
    switch (kind) {
    case Kind::Number: return number;
    case Kind::Text: return textToNumber(text);
    case Kind::Empty: break;
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
        case orcus::format_t::xlsx: return Format::Xlsx;
        case orcus::format_t::ods: return Format::Ods;
        default: break;
        }
    } catch (...) {
    }
    return Format::Unknown;
}

std::string localName(const char* name)
{
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

std::string attributeNamed(pugi::xml_node node, const char* local)
{
    for (pugi::xml_attribute a : node.attributes())
        if (localName(a.name()) == local)
            return a.value();
    return {};
}

// An ISO 8601 duration such as "PT09H00M00S" as a fraction of a day.
bool durationFraction(const std::string& text, double& fraction)
{
    size_t t = text.find('T');
    if (text.empty() || text[0] != 'P' || t == std::string::npos)
        return false;
    double days = 0, seconds = 0;
    if (t > 1)
        days = std::atof(text.substr(1, t - 1).c_str());
    std::string number;
    for (size_t i = t + 1; i < text.size(); ++i) {
        char c = text[i];
        if ((c >= '0' && c <= '9') || c == '.') {
            number += c;
            continue;
        }
        double v = std::atof(number.c_str());
        number.clear();
        if (c == 'H')
            seconds += v * 3600;
        else if (c == 'M')
            seconds += v * 60;
        else if (c == 'S')
            seconds += v;
        else
            return false;
    }
    fraction = days + seconds / 86400;
    return true;
}

// orcus leaves the time cells of an .ods empty: read them from its content part.
void addOdsTimes(const std::string& content, Sheet& sheet)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* src = zip_source_buffer_create(content.data(), content.size(), 0, &error);
    zip_t* zip = src ? zip_open_from_source(src, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!zip) {
        if (src)
            zip_source_free(src);
        return;
    }
    std::string xml;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(zip, "content.xml", 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE)) {
        if (zip_file_t* f = zip_fopen(zip, "content.xml", 0)) {
            xml.resize(static_cast<size_t>(st.size));
            if (zip_fread(f, xml.data(), xml.size()) != static_cast<zip_int64_t>(xml.size()))
                xml.clear();
            zip_fclose(f);
        }
    }
    zip_discard(zip);
    pugi::xml_document doc;
    if (xml.empty() || !doc.load_buffer(xml.data(), xml.size()))
        return;
    pugi::xml_node table = doc.find_node([](pugi::xml_node n) { return localName(n.name()) == "table"; });
    int row = 0;
    // Rows may sit in groups and header sections; cells repeat across columns and rows.
    std::function<void(pugi::xml_node)> walk = [&](pugi::xml_node parent) {
        for (pugi::xml_node n : parent.children()) {
            if (row >= sheet.rows())
                return;
            std::string name = localName(n.name());
            if (name == "table-row-group" || name == "table-header-rows" || name == "table-rows") {
                walk(n);
                continue;
            }
            if (name != "table-row")
                continue;
            int rowRepeat = std::max(1, std::atoi(attributeNamed(n, "number-rows-repeated").c_str()));
            int col = 0;
            for (pugi::xml_node c : n.children()) {
                std::string cellName = localName(c.name());
                if (cellName != "table-cell" && cellName != "covered-table-cell")
                    continue;
                int colRepeat = std::max(1, std::atoi(attributeNamed(c, "number-columns-repeated").c_str()));
                double fraction = 0;
                if (attributeNamed(c, "value-type") == "time" &&
                    durationFraction(attributeNamed(c, "time-value"), fraction)) {
                    for (int r = 0; r < rowRepeat && row + r < sheet.rows(); ++r)
                        for (int k = 0; k < colRepeat && col + k < sheet.cols(); ++k)
                            if (sheet.cell(row + r + 1, col + k + 1).kind == SheetCell::Kind::Empty)
                                sheet.setCell(row + r + 1, col + k + 1, SheetCell::ofNumber(fraction));
                }
                col += colRepeat;
                if (col >= sheet.cols())
                    break;
            }
            row += rowRepeat;
        }
    };
    if (table)
        walk(table);
}

// Some programs name the parts in a workbook's relationships from the package's root
// ("/xl/worksheets/sheet1.xml"), which orcus does not follow: the workbook is read
// from a private copy whose names are relative. A package this cannot rewrite is
// read as it is.
std::string withRelativeTargets(const std::string& content)
{
    std::string copy = (std::filesystem::temp_directory_path() / "dravik-workbook-XXXXXX").string();
    const int fd = ::mkstemp(copy.data());
    if (fd < 0)
        return content;
    ::close(fd);
    std::string result = content;
    try {
        std::ofstream(copy, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
        xlsx::Package package(copy, "");
        if (xlsx::makeTargetsRelative(package)) {
            package.commit();
            std::ifstream in(copy, std::ios::binary);
            result.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    } catch (const ExchangeError&) {
        result = content;
    }
    std::error_code ignored;
    std::filesystem::remove(copy, ignored);
    return result.empty() ? content : result;
}

Sheet readWithOrcus(const std::string& path, const std::string& given, Format format, int maxRows, int maxCols)
{
    const std::string content = format == Format::Xlsx ? withRelativeTargets(given) : given;
    // A document as large as a spreadsheet program allows; only the first rows are read back.
    orcus::spreadsheet::document doc(orcus::spreadsheet::range_size_t{1048576, 16384});
    orcus::spreadsheet::import_factory factory(doc);
    // Formula cells give the result the workbook stored with them; a formula the
    // library cannot take (it lacks RIGHT, for one) leaves its cell empty rather
    // than failing the whole workbook.
    factory.set_recalc_formula_cells(false);
    factory.set_formula_error_policy(orcus::spreadsheet::formula_error_policy_t::skip);
    try {
        if (format == Format::Xlsx) {
            orcus::orcus_xlsx loader(&factory);
            loader.read_stream(content);
        } else {
            orcus::orcus_ods loader(&factory);
            loader.read_stream(content);
        }
    } catch (const std::exception& e) {
        fail(path, std::string("the file is damaged or not a workbook (") + e.what() + ")");
    } catch (...) {
        fail(path, "the file is damaged or not a workbook");
    }
    if (doc.get_sheet_count() == 0)
        fail(path, "it holds no worksheet");

    Sheet sheet(maxRows, maxCols);
    const ixion::model_context& cx = doc.get_model_context();
    for (int r = 1; r <= maxRows; ++r) {
        for (int c = 1; c <= maxCols; ++c) {
            try {
                ixion::cell_access cell = cx.get_cell_access(ixion::abs_address_t(0, r - 1, c - 1));
                switch (cell.get_value_type()) {
                case ixion::cell_value_t::numeric:
                    sheet.setCell(r, c, SheetCell::ofNumber(cell.get_numeric_value()));
                    break;
                case ixion::cell_value_t::boolean:
                    sheet.setCell(r, c, SheetCell::ofNumber(cell.get_boolean_value() ? 1 : 0));
                    break;
                case ixion::cell_value_t::string:
                    sheet.setCell(r, c, SheetCell::ofText(std::string(cell.get_string_value())));
                    break;
                default: // empty, unknown and formula errors read as empty
                    break;
                }
            } catch (const std::exception&) {
                // A cell the library cannot give a value for reads as empty.
            }
        }
    }
    // Rows below the last one read that hold something in column 1.
    ixion::abs_range_t used = cx.get_data_range(0);
    if (used.valid())
        for (int r = maxRows; r <= used.last.row; ++r)
            if (cx.get_celltype(ixion::abs_address_t(0, r, 0)) != ixion::celltype_t::empty)
                sheet.countRowBelow();
    if (format == Format::Ods)
        addOdsTimes(content, sheet);
    return sheet;
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
    unsigned int rows = 0;
    unsigned short cols = 0;
    if (freexl_worksheet_dimensions(handle, &rows, &cols) != FREEXL_OK)
        fail(path, "its first worksheet cannot be read");

    Sheet sheet(maxRows, maxCols);
    int lastRow = std::min<long long>(maxRows, rows), lastCol = std::min<int>(maxCols, cols);
    for (int r = 1; r <= lastRow; ++r) {
        for (int c = 1; c <= lastCol; ++c) {
            FreeXL_CellValue v;
            if (freexl_get_cell_value(handle, r - 1, static_cast<unsigned short>(c - 1), &v) != FREEXL_OK)
                continue;
            switch (v.type) {
            case FREEXL_CELL_INT: sheet.setCell(r, c, SheetCell::ofNumber(v.value.int_value)); break;
            case FREEXL_CELL_DOUBLE: sheet.setCell(r, c, SheetCell::ofNumber(v.value.double_value)); break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                if (v.value.text_value)
                    sheet.setCell(r, c, SheetCell::ofText(v.value.text_value));
                break;
            default: break;
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
    switch (detectFormat(content)) {
    case Format::Xlsx: return readWithOrcus(path, content, Format::Xlsx, maxRows, maxCols);
    case Format::Ods: return readWithOrcus(path, content, Format::Ods, maxRows, maxCols);
    case Format::Xls: return readWithFreexl(path, maxRows, maxCols);
    case Format::Unknown: break;
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
