// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "printing/Document.h"
#include "render/TextDocumentBuilder.h"

#include <QPageLayout>

#include <memory>

class QTextDocument;

namespace dravik::render {

// A printout as it goes on sheets of paper: every page of `doc` is one sheet, and
// the tab columns its tables share. The pages, the printer, PDF and the document
// file all print the same plan.
struct SheetPlan {
    printing::Document doc;
    TabColumns tabs;
};

// Plans the sheets of a document at its own font size:
// - table columns keep their proportions, take the page's width when the table asks
//   for it or is wider, and are never narrower than their longest word;
// - a page whose table does not fit one sheet runs on over further sheets, each
//   starting with the blocks that led the page and the table's header row; rows never
//   split, the last sheet never holds a single stray row, and a row taller than a
//   sheet continues under its first line and the table's continued mark.
// Row heights are reckoned from the characters' widths (see RowHeights.h) or taken
// from the page laid out in full.
enum class RowHeights { Reckoned, LaidOut };
SheetPlan planSheets(const printing::Document& doc, const QPageLayout& page, RowHeights heights = RowHeights::LaidOut);

// The plan and its pages laid out: planned from reckoned row heights, and planned again
// from the laid-out rows when a sheet of the reckoned plan ran over its page.
struct FittedSheets {
    SheetPlan plan;
    std::unique_ptr<QTextDocument> pages;
};
FittedSheets fitSheets(const printing::Document& doc, const QPageLayout& page);

} // namespace dravik::render
