// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing a workbook package (.xlsx) in place: its zip parts, the relationships
// that tie them together, and their XML.

#include <pugixml.hpp>

#include <deque>
#include <string>

struct zip;

namespace dravik::xlsx {

// An open zip package; discarded unless committed.
class Package {
public:
    // Failures throw ExchangeError with the prefix, which names the file the user asked for.
    Package(const std::string& file, std::string prefix);
    ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    bool has(const std::string& name) const;
    std::string read(const std::string& name) const;

    // Adds the part, or replaces it when it exists.
    void write(const std::string& name, std::string content);

    void commit();

    [[noreturn]] void fail(const std::string& reason) const;

private:
    std::string prefix_;
    zip* zip_ = nullptr;
    std::deque<std::string> written_;
};

// A part's XML; the package's failure when it is not readable.
pugi::xml_document parseXml(const std::string& data, const Package& package, const std::string& part);

// The document as the text of a part.
std::string savedXml(const pugi::xml_document& doc);

// A name without its namespace prefix ("x:row" gives "row").
std::string localName(const char* name);

// The first child element with the local name, else a null node.
pugi::xml_node childNamed(pugi::xml_node parent, const std::string& local);

// The value of an attribute whose local name is given (r:id, id), else empty.
std::string attributeNamed(pugi::xml_node node, const std::string& local);

// Where the parts of the workbook are.
struct WorkbookParts {
    std::string workbook;
    std::string firstSheet;
    std::string sharedStrings; // empty when the workbook has none yet
};

WorkbookParts locateParts(const Package& package);

// Part names: the folder of a part ("xl/" for "xl/workbook.xml"), the part that
// holds its relationships ("xl/_rels/workbook.xml.rels"), and a relationship's
// target as a part name: from the package's root when it starts with "/" (as
// some programs write it), else from the folder of its source part.
std::string folderOf(const std::string& part);
std::string relsOf(const std::string& part);
std::string resolveTarget(const std::string& sourceFolder, const std::string& target);

// Adds a shared-strings part to a workbook that has none: its relationship
// and its content type. Returns the new part's name.
std::string addSharedStringsPart(Package& package, const WorkbookParts& parts);

} // namespace dravik::xlsx
