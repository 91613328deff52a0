#pragma once
#include "printing/Document.h"

#include <string>

namespace dravik::render {

// The printout as an OpenDocument text package (the bytes of a .odt file), written
// from the model itself so the word processor opens the pages as they print: A4 in
// the document's orientation with its margins, tables with fixed column widths and a
// header row repeated on every page, page breaks and pictures placed on the page.
//
// fontPoints is the size the text is set in (0: the document's own size); a table's
// own size is scaled by the same factor, as the printed pages do when they shrink.
// Pictures are drawn with Qt (the program logo needs a QGuiApplication).
// Throws std::runtime_error saying what went wrong when the package cannot be built.
std::string odtPackage(const printing::Document& doc, double fontPoints = 0);

} // namespace dravik::render
