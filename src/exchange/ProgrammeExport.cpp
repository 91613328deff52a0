#include "exchange/ProgrammeExport.h"

#include "data/ExchangeTemplate.h"
#include "data/FolderSettings.h"
#include "exchange/ExchangeGrid.h"
#include "exchange/Workbook.h"
#include "platform/GridModel.h"
#include "platform/TextNumber.h"

#include <pugixml.hpp>
#include <zip.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>

namespace fs = std::filesystem;

namespace dravik {

namespace {

std::string quoted(const std::string& s)
{
    return "\"" + s + "\"";
}

// An open zip package; discarded unless committed.
class Package {
public:
    // Failures throw ExchangeError with the prefix, which names the file the user asked for.
    Package(const std::string& file, std::string prefix) : prefix_(std::move(prefix))
    {
        int code = 0;
        zip_ = zip_open(file.c_str(), 0, &code);
        if (!zip_) {
            zip_error_t error;
            zip_error_init_with_code(&error, code);
            std::string reason = zip_error_strerror(&error);
            zip_error_fini(&error);
            fail("the template is not an .xlsx workbook (" + reason + ")");
        }
    }
    ~Package()
    {
        if (zip_)
            zip_discard(zip_);
    }
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    bool has(const std::string& name) const { return zip_name_locate(zip_, name.c_str(), 0) >= 0; }

    std::string read(const std::string& name) const
    {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat(zip_, name.c_str(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
            fail("the template has no part " + name);
        std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> f(zip_fopen(zip_, name.c_str(), 0), zip_fclose);
        if (!f)
            fail("the template's part " + name + " cannot be read (" + zip_strerror(zip_) + ")");
        std::string data(static_cast<size_t>(st.size), '\0');
        zip_int64_t got = zip_fread(f.get(), data.data(), data.size());
        if (got < 0 || static_cast<zip_uint64_t>(got) != st.size)
            fail("the template's part " + name + " is damaged");
        return data;
    }

    // Adds the part, or replaces it when it exists.
    void write(const std::string& name, std::string content)
    {
        // libzip reads the data only when the package is closed.
        const std::string& data = written_.emplace_back(std::move(content));
        // Replaced as a new entry: libzip would keep an overwritten entry's old,
        // slow compression level.
        zip_int64_t old = zip_name_locate(zip_, name.c_str(), 0);
        if (old >= 0 && zip_delete(zip_, static_cast<zip_uint64_t>(old)) != 0)
            fail("the part " + name + " cannot be replaced (" + zip_strerror(zip_) + ")");
        zip_source_t* src = zip_source_buffer(zip_, data.data(), data.size(), 0);
        zip_int64_t index = src ? zip_file_add(zip_, name.c_str(), src, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (src)
                zip_source_free(src);
            fail("the part " + name + " cannot be written (" + zip_strerror(zip_) + ")");
        }
        // The sheet part of a long programme is large and repetitive: fast compression does well on it.
        zip_set_file_compression(zip_, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1);
    }

    void commit()
    {
        if (zip_close(zip_) != 0)
            fail(std::string("the file cannot be saved (") + zip_strerror(zip_) + ")");
        zip_ = nullptr;
    }

    [[noreturn]] void fail(const std::string& reason) const
    {
        throw ExchangeError(prefix_ + reason);
    }

private:
    std::string prefix_;
    zip_t* zip_ = nullptr;
    std::deque<std::string> written_;
};

pugi::xml_document parseXml(const std::string& data, const Package& package, const std::string& part)
{
    pugi::xml_document doc;
    auto result = doc.load_buffer(data.data(), data.size(),
                                  pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_declaration |
                                      pugi::parse_doctype);
    if (!result)
        package.fail("the template's part " + part + " is not readable XML (" + result.description() + ")");
    return doc;
}

std::string localName(const char* name)
{
    std::string n(name);
    size_t colon = n.find(':');
    return colon == std::string::npos ? n : n.substr(colon + 1);
}

pugi::xml_node childNamed(pugi::xml_node parent, const std::string& local)
{
    for (pugi::xml_node n : parent.children())
        if (n.type() == pugi::node_element && localName(n.name()) == local)
            return n;
    return {};
}

// The value of an attribute whose local name is given (r:id, id), else empty.
std::string attributeNamed(pugi::xml_node node, const std::string& local)
{
    for (pugi::xml_attribute a : node.attributes())
        if (localName(a.name()) == local)
            return a.value();
    return {};
}

std::string folderOf(const std::string& part)
{
    size_t slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

std::string relsOf(const std::string& part)
{
    size_t slash = part.rfind('/');
    std::string folder = slash == std::string::npos ? "" : part.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? part : part.substr(slash + 1);
    return folder + "_rels/" + name + ".rels";
}

// A relationship target relative to the folder of its source part.
std::string resolveTarget(const std::string& sourceFolder, const std::string& target)
{
    if (!target.empty() && target[0] == '/')
        return target.substr(1);
    std::string folder = sourceFolder, rest = target;
    while (rest.rfind("../", 0) == 0) {
        rest = rest.substr(3);
        if (!folder.empty())
            folder.pop_back();
        folder = folderOf(folder);
    }
    return folder + rest;
}

struct Relationship {
    std::string id, type, target; // target resolved to a part name
};

std::vector<Relationship> readRelationships(const Package& package, const std::string& relsPart,
                                            const std::string& sourceFolder)
{
    std::vector<Relationship> rels;
    if (!package.has(relsPart))
        return rels;
    pugi::xml_document doc = parseXml(package.read(relsPart), package, relsPart);
    for (pugi::xml_node rel : doc.document_element().children())
        if (rel.type() == pugi::node_element && localName(rel.name()) == "Relationship")
            rels.push_back({attributeNamed(rel, "Id"), attributeNamed(rel, "Type"),
                            resolveTarget(sourceFolder, attributeNamed(rel, "Target"))});
    return rels;
}

bool endsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

const Relationship* findType(const std::vector<Relationship>& rels, const std::string& typeTail)
{
    for (const auto& r : rels)
        if (endsWith(r.type, typeTail))
            return &r;
    return nullptr;
}

// Where the parts of the workbook are.
struct WorkbookParts {
    std::string workbook;
    std::string firstSheet;
    std::string sharedStrings; // empty when the workbook has none yet
};

WorkbookParts locateParts(const Package& package)
{
    WorkbookParts parts;
    const auto top = readRelationships(package, "_rels/.rels", "");
    const Relationship* office = findType(top, "/officeDocument");
    if (!office)
        package.fail("the template names no workbook part");
    parts.workbook = office->target;
    pugi::xml_document doc = parseXml(package.read(parts.workbook), package, parts.workbook);
    pugi::xml_node sheet = childNamed(childNamed(doc.document_element(), "sheets"), "sheet");
    std::string id = attributeNamed(sheet, "id");
    if (id.empty())
        package.fail("the template has no worksheet");
    const auto rels = readRelationships(package, relsOf(parts.workbook), folderOf(parts.workbook));
    for (const auto& r : rels)
        if (r.id == id)
            parts.firstSheet = r.target;
    if (parts.firstSheet.empty())
        package.fail("the template's first worksheet has no part");
    if (const Relationship* sst = findType(rels, "/sharedStrings"))
        parts.sharedStrings = sst->target;
    return parts;
}

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
};

std::string savedXml(const pugi::xml_document& doc)
{
    StringWriter writer;
    doc.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.out;
}

// Adds a shared-strings part to a workbook that has none: its relationship
// and its content type.
std::string addSharedStringsPart(Package& package, const WorkbookParts& parts)
{
    std::string part = folderOf(parts.workbook) + "sharedStrings.xml";
    const std::string relsPart = relsOf(parts.workbook);
    pugi::xml_document rels = parseXml(package.read(relsPart), package, relsPart);
    std::string id;
    for (int n = 1; id.empty(); ++n) {
        std::string candidate = "rId" + std::to_string(n);
        bool used = false;
        for (pugi::xml_node rel : rels.document_element().children())
            used = used || attributeNamed(rel, "Id") == candidate;
        if (!used)
            id = candidate;
    }
    pugi::xml_node rel = rels.document_element().append_child("Relationship");
    rel.append_attribute("Id").set_value(id.c_str());
    rel.append_attribute("Type").set_value(
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings");
    rel.append_attribute("Target").set_value("sharedStrings.xml");
    package.write(relsPart, savedXml(rels));

    const std::string typesPart = "[Content_Types].xml";
    pugi::xml_document types = parseXml(package.read(typesPart), package, typesPart);
    pugi::xml_node over = types.document_element().append_child("Override");
    over.append_attribute("PartName").set_value(("/" + part).c_str());
    over.append_attribute("ContentType").set_value(
        "application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml");
    package.write(typesPart, savedXml(types));
    return part;
}

// The workbook's table of shared strings: texts the cells refer to by index.
class SharedStrings {
public:
    SharedStrings(Package& package, const WorkbookParts& parts) : part_(parts.sharedStrings)
    {
        if (part_.empty()) {
            part_ = addSharedStringsPart(package, parts);
        } else {
            doc_ = parseXml(package.read(part_), package, part_);
        }
        if (!doc_.document_element()) {
            doc_.append_child(pugi::node_declaration).append_attribute("version").set_value("1.0");
            doc_.append_child("sst").append_attribute("xmlns").set_value(
                "http://schemas.openxmlformats.org/spreadsheetml/2006/main");
        }
        pugi::xml_node sst = doc_.document_element();
        std::string root = sst.name();
        size_t colon = root.find(':');
        prefix_ = colon == std::string::npos ? "" : root.substr(0, colon + 1);
        for (pugi::xml_node si : sst.children()) {
            if (si.type() != pugi::node_element || localName(si.name()) != "si")
                continue;
            // Plain entries can be shared again; rich-text ones only keep their place.
            pugi::xml_node t = childNamed(si, "t");
            if (t && !childNamed(si, "r"))
                index_.emplace(t.text().get(), count_);
            ++count_;
        }
    }

    int index(const std::string& text)
    {
        auto [it, added] = index_.emplace(text, count_);
        if (added) {
            pugi::xml_node t =
                doc_.document_element().append_child((prefix_ + "si").c_str()).append_child((prefix_ + "t").c_str());
            if (text.front() == ' ' || text.back() == ' ')
                t.append_attribute("xml:space").set_value("preserve");
            t.text().set(text.c_str());
            ++count_;
        }
        return it->second;
    }

    void save(Package& package)
    {
        pugi::xml_node sst = doc_.document_element();
        // The total of references is optional and no longer known; the number of entries is.
        sst.remove_attribute("count");
        pugi::xml_attribute unique = sst.attribute("uniqueCount");
        if (!unique)
            unique = sst.append_attribute("uniqueCount");
        unique.set_value(count_);
        package.write(part_, savedXml(doc_));
    }

private:
    std::string part_;
    pugi::xml_document doc_;
    std::string prefix_;
    std::map<std::string, int> index_;
    int count_ = 0;
};

std::string columnLetters(int col)
{
    std::string s;
    for (; col > 0; col = (col - 1) / 26)
        s.insert(s.begin(), static_cast<char>('A' + (col - 1) % 26));
    return s;
}

// Row and column of a cell reference such as "AB12"; false when it is none.
bool parseReference(const char* ref, int& row, int& col)
{
    row = col = 0;
    const char* p = ref;
    for (; *p >= 'A' && *p <= 'Z'; ++p)
        col = col * 26 + (*p - 'A' + 1);
    for (; *p >= '0' && *p <= '9'; ++p)
        row = row * 10 + (*p - '0');
    return *p == '\0' && row > 0 && col > 0;
}

// Cells of the worksheet part, written in place so that everything else of
// the part (styles, widths, views, formulas) stays as it is.
class SheetCells {
public:
    SheetCells(pugi::xml_node worksheet, SharedStrings& strings) : worksheet_(worksheet), strings_(strings)
    {
        std::string root = worksheet.name();
        size_t colon = root.find(':');
        prefix_ = colon == std::string::npos ? "" : root.substr(0, colon + 1);
        data_ = childNamed(worksheet, "sheetData");
        if (!data_)
            data_ = worksheet.append_child(name("sheetData").c_str());
        int next = 1;
        for (pugi::xml_node row : data_.children()) {
            if (row.type() != pugi::node_element || localName(row.name()) != "row")
                continue;
            int r = row.attribute("r").as_int(next);
            rows_[r] = row;
            next = r + 1;
        }
        // The stored extent would no longer be right; it is optional.
        if (pugi::xml_node dim = childNamed(worksheet, "dimension"))
            worksheet.remove_child(dim);
    }

    // Rows at or below the given row that the sheet holds.
    std::vector<int> rowsFrom(int first) const
    {
        std::vector<int> out;
        for (auto it = rows_.lower_bound(first); it != rows_.end(); ++it)
            out.push_back(it->first);
        return out;
    }

    pugi::xml_node find(int row, int col) const
    {
        auto it = rows_.find(row);
        if (it == rows_.end())
            return {};
        int next = 1;
        for (pugi::xml_node c : it->second.children()) {
            if (c.type() != pugi::node_element || localName(c.name()) != "c")
                continue;
            int r = 0, k = next;
            if (pugi::xml_attribute ref = c.attribute("r"))
                parseReference(ref.value(), r, k);
            if (k == col)
                return c;
            if (k > col)
                return {};
            next = k + 1;
        }
        return {};
    }

    void setNumber(int row, int col, double value)
    {
        pugi::xml_node c = clearedCell(row, col);
        c.append_child(name("v").c_str()).text().set(formatNumber(value).c_str());
    }

    // Empty text leaves the cell without a value (its style stays).
    void setText(int row, int col, const std::string& text)
    {
        if (text.empty()) {
            if (pugi::xml_node c = find(row, col))
                clear(c);
            return;
        }
        pugi::xml_node c = clearedCell(row, col);
        c.append_attribute("t").set_value("s");
        c.append_child(name("v").c_str()).text().set(strings_.index(text));
    }

    // Empties a cell; a formula stays, without its stored result.
    void clearValue(int row, int col)
    {
        if (!formulaCell(row, col))
            if (pugi::xml_node c = find(row, col))
                clear(c);
    }

    // The stored result of a formula cell; cells without a formula are left alone.
    void setFormulaText(int row, int col, const std::string& value)
    {
        if (pugi::xml_node c = formulaCell(row, col)) {
            setAttribute(c, "t", "str");
            c.append_child(name("v").c_str()).text().set(value.c_str());
        }
    }
private:
    std::string name(const char* local) const { return prefix_ + local; }

    static void setAttribute(pugi::xml_node n, const char* attr, const char* value)
    {
        pugi::xml_attribute a = n.attribute(attr);
        if (!a)
            a = n.append_attribute(attr);
        a.set_value(value);
    }

    // A formula cell with its stored result removed.
    pugi::xml_node formulaCell(int row, int col)
    {
        pugi::xml_node c = find(row, col);
        if (!c || !childNamed(c, "f"))
            return {};
        while (pugi::xml_node v = childNamed(c, "v"))
            c.remove_child(v);
        while (pugi::xml_node is = childNamed(c, "is"))
            c.remove_child(is);
        return c;
    }

    static void clear(pugi::xml_node c)
    {
        while (pugi::xml_node child = c.first_child())
            c.remove_child(child);
        c.remove_attribute("t");
    }

    pugi::xml_node rowNode(int row)
    {
        auto it = rows_.find(row);
        if (it != rows_.end()) {
            // Cells may go past the row's stated span; the span is only a hint.
            it->second.remove_attribute("spans");
            return it->second;
        }
        auto after = rows_.upper_bound(row);
        pugi::xml_node node = after == rows_.end() ? data_.append_child(name("row").c_str())
                                                   : data_.insert_child_before(name("row").c_str(), after->second);
        node.append_attribute("r").set_value(row);
        rows_[row] = node;
        return node;
    }

    pugi::xml_node clearedCell(int row, int col)
    {
        if (pugi::xml_node c = find(row, col)) {
            clear(c);
            if (!c.attribute("r"))
                c.prepend_attribute("r").set_value((columnLetters(col) + std::to_string(row)).c_str());
            return c;
        }
        pugi::xml_node r = rowNode(row);
        // Before the first cell that lies to the right.
        pugi::xml_node before;
        int next = 1;
        for (pugi::xml_node c : r.children()) {
            if (c.type() != pugi::node_element || localName(c.name()) != "c")
                continue;
            int rr = 0, k = next;
            if (pugi::xml_attribute ref = c.attribute("r"))
                parseReference(ref.value(), rr, k);
            else // every cell of the row needs its reference once one is placed among them
                c.prepend_attribute("r").set_value((columnLetters(k) + std::to_string(row)).c_str());
            if (k > col) {
                before = c;
                break;
            }
            next = k + 1;
        }
        pugi::xml_node c = before ? r.insert_child_before(name("c").c_str(), before)
                                  : r.append_child(name("c").c_str());
        c.append_attribute("r").set_value((columnLetters(col) + std::to_string(row)).c_str());
        return c;
    }

    pugi::xml_node worksheet_;
    SharedStrings& strings_;
    pugi::xml_node data_;
    std::string prefix_;
    std::map<int, pugi::xml_node> rows_;
};


// The columns the export writes, by sheet column and exchange column.
struct WrittenColumn {
    int sheet;
    int exchange;
    bool number;
};
constexpr WrittenColumn kWritten[] = {
    {scol::Number, xcol::Number, true}, {scol::Sub, xcol::Sub, false},       {scol::Place, xcol::Place, false},
    {scol::Time, xcol::Time, false},    {scol::Level, xcol::Level, false},   {scol::Gender, xcol::Gender, false},
    {scol::Age, xcol::Age, true},       {scol::Record, xcol::Record, false}, {scol::Name, xcol::Name, false},
    {scol::Surname, xcol::Surname, false}, {scol::Year, xcol::Year, false},  {scol::Team, xcol::Team, false},
    {scol::Day, xcol::Day, true},
};

void fillSheet(SheetCells& cells, const GridModel& exchange)
{
    cells.setText(2, scol::Event, "Afrikaans");
    const int first = scol::FirstEventRow;
    for (int i = 1; i < exchange.rows(); ++i) {
        const auto& x = exchange.rowCells(i);
        int r = i + first - 1;
        for (const auto& w : kWritten) {
            if (w.number && !(w.sheet == scol::Day && trimmed(x[w.exchange]).empty()))
                cells.setNumber(r, w.sheet, textToNumber(x[w.exchange]));
            else
                cells.setText(r, w.sheet, w.number ? std::string() : x[w.exchange]);
        }
        std::string code = eventCodeText(x[xcol::Event], x[xcol::Table]);
        cells.setText(r, scol::EventCode, code);
        // What the template's formula works out from column 8.
        cells.setFormulaText(r, scol::Event, x[xcol::Event]);
        // The whole definition number: column 8 carries only its last four digits.
        cells.setNumber(r, scol::Table, textToNumber(x[xcol::Table]));
    }
    // Rows of the template below the programme: nothing of an older programme stays.
    for (int r : cells.rowsFrom(exchange.rows() + first - 1)) {
        for (const auto& w : kWritten)
            if (cells.find(r, w.sheet))
                cells.setText(r, w.sheet, "");
        if (cells.find(r, scol::EventCode))
            cells.setText(r, scol::EventCode, "");
        cells.setFormulaText(r, scol::Event, "");
        cells.clearValue(r, scol::Table);
    }
}

} // namespace

std::string exchangeTemplatePath(const std::string& programFolder)
{
    return (fs::path(programFolder) / suitefile::ExchangeTemplate).string();
}

ExportReport exportWorkbook(const GridModel& exchange, const std::string& templateFile, const std::string& outputFile)
{
    ExportReport report;
    report.file = outputFile;
    std::error_code ec;
    fs::path out(outputFile);
    fs::path part = out;
    part += ".part";
    struct RemovePart {
        fs::path path;
        ~RemovePart()
        {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
    } removePart{part};

    auto cannotWrite = [&](const std::string& reason) {
        return ExchangeError("Cannot write the workbook " + quoted(outputFile) + ": " + reason,
                             ExchangeError::Kind::CannotWrite, {outputFile, reason});
    };
    if (!out.parent_path().empty() && !fs::is_directory(out.parent_path(), ec))
        throw cannotWrite("the folder " + quoted(out.parent_path().string()) + " does not exist.");
    // The output's folder is tried before the template is touched, so that an
    // unwritable target is told as such.
    if (!std::ofstream(part, std::ios::binary))
        throw cannotWrite("the folder " + quoted(out.parent_path().empty() ? "." : out.parent_path().string()) +
                          " cannot be written.");
    report.builtInTemplate = templateFile.empty() || !fs::exists(templateFile, ec);
    if (report.builtInTemplate) {
        try {
            writeExchangeTemplate(part.string());
        } catch (const std::exception& e) {
            throw cannotWrite(e.what());
        }
    } else {
        fs::copy_file(templateFile, part, fs::copy_options::overwrite_existing, ec);
        if (ec)
            throw ExchangeError("Cannot write the workbook " + quoted(outputFile) + ": copying the template " +
                                quoted(templateFile) + " failed (" + ec.message() + ")");
    }

    {
        std::string prefix = "Cannot write the workbook " + quoted(outputFile) + ": ";
        if (!report.builtInTemplate)
            prefix += "(template " + quoted(templateFile) + ") ";
        Package package(part.string(), prefix);
        WorkbookParts parts = locateParts(package);
        pugi::xml_document doc = parseXml(package.read(parts.firstSheet), package, parts.firstSheet);
        SharedStrings strings(package, parts);
        SheetCells cells(doc.document_element(), strings);
        fillSheet(cells, exchange);
        package.write(parts.firstSheet, savedXml(doc));
        strings.save(package);
        package.commit();
    }

    fs::rename(part, out, ec);
    if (ec)
        throw cannotWrite(ec.message());
    report.rowsWritten = exchange.rows() - 1;
    report.rowsBeyondImport = std::max(0, report.rowsWritten - (scol::LastReadRow - scol::FirstEventRow + 1));
    return report;
}

ProgramStart spreadsheetEditStart(const FolderSettings& folders, const std::string& workbookPath)
{
    std::error_code ec;
    std::string program = folders.spreadsheetPath();
    if (!fs::is_regular_file(program, ec))
        throw ExchangeError(kSpreadsheetUnavailable);
    return {program, {workbookPath}};
}

std::string fileInFolder(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return withTrailingSeparator(folder) + name;
}

} // namespace dravik
