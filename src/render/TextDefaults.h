// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the printed pages and the document file agree on, so that a document opens
// in the word processor as it prints.

namespace dravik::render {

// Tab stops every half inch, as word processors set them by default.
inline constexpr double kTabStopCm = 1.27;
// The printouts' typeface (fonts-dejavu-core); the pages fall back to others when it is missing.
inline constexpr const char* kFontFamily = "DejaVu Sans";

// Table cells, in points: rows stay compact (a thin rule, little room above and
// below the text) so a page's rows fit at the size chosen; the sides keep text off the rules.
inline constexpr double kCellBorderPt = 0.5;
inline constexpr double kCellPaddingTopPt = 0.25;
inline constexpr double kCellPaddingSidePt = 3.0;

} // namespace dravik::render
