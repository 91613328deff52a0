#pragma once
#include <QByteArray>

#include <functional>
#include <set>

namespace dravik::render {

// The tables of a TrueType font, looked up by tag ("glyf", "head", ...); an empty
// array when the font has no such table.
using FontTables = std::function<QByteArray(const char* tag)>;

// A TrueType font to embed in a PDF that holds only the outlines of the glyphs used
// (and the parts of composite glyphs). Glyph numbers stay as they were, so the text
// keeps addressing glyphs by the font's own numbers. Empty when the font has no
// TrueType outlines (a CFF font, say): the caller then draws such text as shapes.
QByteArray subsetTrueType(const FontTables& tables, const std::set<quint32>& glyphs);

} // namespace dravik::render
