// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/WorkbookPackage.h"

#include "exchange/Workbook.h"

#include <zip.h>

#include <memory>
#include <vector>

namespace dravik::xlsx {

Package::Package(const std::string& file, std::string prefix) : prefix_(std::move(prefix))
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

Package::~Package()
{
    if (zip_)
        zip_discard(zip_);
}

bool Package::has(const std::string& name) const
{
    return zip_name_locate(zip_, name.c_str(), 0) >= 0;
}

std::string Package::read(const std::string& name) const
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

void Package::write(const std::string& name, std::string content)
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

void Package::commit()
{
    if (zip_close(zip_) != 0)
        fail(std::string("the file cannot be saved (") + zip_strerror(zip_) + ")");
    zip_ = nullptr;
}

void Package::fail(const std::string& reason) const
{
    throw ExchangeError(prefix_ + reason);
}

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

namespace {

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

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
};

} // namespace

std::string savedXml(const pugi::xml_document& doc)
{
    StringWriter writer;
    doc.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.out;
}

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
    over.append_attribute("ContentType")
        .set_value("application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml");
    package.write(typesPart, savedXml(types));
    return part;
}

} // namespace dravik::xlsx
