// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Document.h"

#include <QFont>
#include <QPageLayout>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QPaintDevice;
class QTextDocument;

namespace dravik::render {

// Pages are laid out against a fixed high-resolution reference instead of the screen,
// so the preview, the printer and PDF break pages in the same places on every machine.
// Twenty units to the point: text sizes in whole units hold every size to a twentieth.
inline constexpr double kLayoutDpi = 1440;
inline constexpr double kCmPerInch = 2.54;
inline constexpr double kDevicePerCm = kLayoutDpi / kCmPerInch;
inline constexpr double kDevicePerPoint = kLayoutDpi / 72.0;

QPaintDevice* referenceDevice();
// Fonts are sized in layout units, so that their size does not depend on a device.
inline int layoutPixels(double points)
{
    return static_cast<int>(points * kDevicePerPoint + 0.5);
}
QFont documentFont(double points);

// Tab stops of the lines of tab-column tables (cm from the cell's text edge), by the
// line's count of fields.
using TabColumns = std::map<int, std::vector<double>>;

// The model as a QTextDocument on pages of `page`. Unpaged, the text runs down one
// endless page of the same width: what is measured there prints the same height.
std::unique_ptr<QTextDocument> buildTextDocument(const printing::Document& doc, const QPageLayout& page,
                                                 const TabColumns& tabs, bool paged = true);

// The pages buildTextDocument starts for the model: one, and one more for every page
// break after the first content (two breaks in a row leave an empty page). The laid-out
// document has more only where a page's content ran over its sheet.
int pagesStarted(const printing::Document& doc);

// The text lines of a model text: "\r\n" and "\r" end lines as "\n" does; a closing
// line break adds no empty line of its own.
std::vector<std::string> textLines(const std::string& text);

} // namespace dravik::render
