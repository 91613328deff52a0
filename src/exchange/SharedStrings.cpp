// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/SharedStrings.h"

namespace dravik::xlsx {

SharedStrings::SharedStrings(Package& package, const WorkbookParts& parts) : part_(parts.sharedStrings)
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

int SharedStrings::index(const std::string& text)
{
    auto [it, added] = index_.emplace(text, count_);
    if (added) {
        // New entries go after the last one: the table's extension list, when it has one, stays last.
        pugi::xml_node sst = doc_.document_element();
        const std::string si = prefix_ + "si";
        pugi::xml_node extensions = childNamed(sst, "extLst");
        pugi::xml_node entry = extensions ? sst.insert_child_before(si.c_str(), extensions)
                                          : sst.append_child(si.c_str());
        pugi::xml_node t = entry.append_child((prefix_ + "t").c_str());
        if (text.front() == ' ' || text.back() == ' ')
            t.append_attribute("xml:space").set_value("preserve");
        t.text().set(text.c_str());
        ++count_;
    }
    return it->second;
}

void SharedStrings::save(Package& package)
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

} // namespace dravik::xlsx
