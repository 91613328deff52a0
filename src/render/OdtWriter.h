// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Document.h"
#include "render/TextDocumentBuilder.h"

#include <string>

namespace dravik::render {

// The printout as an OpenDocument text package (the bytes of a .odt file), written
// from the model itself so the word processor opens the pages as they print: A4 in
// the document's orientation with its margins, tables with fixed column widths and a
// header row repeated on every page, page breaks and pictures placed on the page.
//
// The text is set in the document's font size; lines of tab-column tables use `tabs`.
// Pictures are drawn with Qt (the program logo needs a QGuiApplication).
// Throws std::runtime_error saying what went wrong when the package cannot be built.
std::string odtPackage(const printing::Document& doc, const TabColumns& tabs = {});

} // namespace dravik::render
