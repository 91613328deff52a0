#pragma once
#include "printing/Document.h"

#include <string>
#include <string_view>
#include <vector>

namespace dravik::printing {

// The parts of a text separated by vertical bars ("It No|Time" gives two parts).
std::vector<std::string> splitBars(std::string_view text);

// Table columns from a format such as "<1.4cm|^3cm|>2.5cm": per column an
// alignment character ('<' left, '^' centre, '>' right) and a width in centimetres.
std::vector<Column> columnsFromFormat(std::string_view format);

} // namespace dravik::printing
