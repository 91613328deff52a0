// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of an OpenDocument text package other than its content: the XML helpers
// the parts share, styles.xml, meta.xml, the manifest and the zip archive.
#include "printing/Document.h"

#include <pugixml.hpp>

#include <initializer_list>
#include <list>
#include <string>
#include <vector>

struct zip;
struct zip_source;

namespace dravik::render::odt {

inline constexpr double kA4WidthCm = 21.0;
inline constexpr double kA4HeightCm = 29.7;
inline constexpr const char* kMimeType = "application/vnd.oasis.opendocument.text";

// Lengths as "1.27cm", written without the process locale.
std::string number(double value);
std::string cm(double value);
std::string pt(double value);
void set(pugi::xml_node node, const char* name, const std::string& value);
pugi::xml_node startPart(pugi::xml_document& doc, const char* root, std::initializer_list<const char*> prefixes);
std::string savedXml(const pugi::xml_document& doc);

// Text as the printed pages break it: "\r\n" and "\r" end lines as "\n" does, a closing
// line break adds no empty line of its own, and (unless the text's tabs go to measured
// tab columns) a space goes before each tab so text ending just short of a tab stop
// still keeps apart from the next column. Characters XML cannot hold are dropped.
std::vector<std::string> linesOf(const std::string& text, bool spaceBeforeTab = true);
// One line of text in a paragraph: tabs as text:tab, kept spaces as text:s.
void appendLine(pugi::xml_node p, const std::string& line);
// The lines of a text, joined by line breaks.
void appendText(pugi::xml_node p, const std::string& text);
void textProperties(pugi::xml_node props, double points, bool bold);
void fontFaces(pugi::xml_node root);

struct StoredPicture {
    std::string path; // inside the package
    std::string png;
};

// styles.xml: the default font and tab stops, and the page (A4, orientation, margins).
std::string stylesXml(const printing::Document& doc, double fontPoints);
std::string metaXml();
std::string manifestXml(const std::vector<StoredPicture>& pictures);

// The package's bytes: the mimetype first and stored, then the parts.
std::string zipPackage(const std::string& contentXml, const std::string& stylesXml,
                       const std::vector<StoredPicture>& pictures);

} // namespace dravik::render::odt
