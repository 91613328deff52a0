#pragma once
// What the printed pages and the document file agree on, so that a document opens
// in the word processor as it prints.

namespace dravik::render {

// Tab stops every half inch, as word processors set them by default.
inline constexpr double kTabStopCm = 1.27;
// The printouts' typeface (fonts-dejavu-core); the pages fall back to others when it is missing.
inline constexpr const char* kFontFamily = "DejaVu Sans";

} // namespace dravik::render
