// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <variant>
#include <vector>

namespace dravik::printing {

// A printout as the preview, the printer, PDF and the document file all see it:
// pages of paragraphs, tables and pictures. Knows nothing of Qt.

enum class Orientation { Portrait, Landscape };
enum class Align { Left, Centre, Right };

struct Column {
    Align align = Align::Left;
    double widthCm = 2.0;
};

// Text of a paragraph or a cell: "\n" (or "\r\n") breaks lines, "\t" moves to the next tab stop.
struct Paragraph {
    std::string text;
};

// Cells are lists, so a name holding ";" or "|" prints intact.
struct Table {
    std::vector<Column> columns;
    std::vector<std::string> header; // empty: no header row
    std::vector<std::vector<std::string>> rows;
    double fontSize = 0; // points; 0 takes the document's font size
    // The columns grow in proportion to take the page's whole width.
    bool fillPageWidth = false;
    // Lines of a cell that hold tabs set their fields in columns shared by every such
    // table of the document (lines with the same count of fields line up), instead of
    // at the default tab stops.
    bool tabColumns = false;
    // A row taller than a sheet continues on the next sheet under its first line
    // followed by this mark (" (continued)"); empty: the row is left to flow over.
    std::string continuedMark;
};

// A picture scaled into a box measured from the page's top-left corner.
struct Picture {
    enum class Source { File, ProgramLogo };
    Source source = Source::File;
    std::string file; // for Source::File; a missing file draws nothing
    double leftCm = 0, topCm = 0, widthCm = 3, heightCm = 3;
};

struct PageBreak {};

using Block = std::variant<Paragraph, Table, Picture, PageBreak>;

class Document {
public:
    // Starting a document clears the previous one and keeps orientation, font size and margin.
    void startDoc();
    void endDoc();
    bool finished() const { return finished_; }

    void setOrientation(Orientation o) { orientation_ = o; }
    Orientation orientation() const { return orientation_; }
    void setFontSize(double points) { fontSize_ = points; }
    double fontSize() const { return fontSize_; }
    void setMarginCm(double cm) { marginCm_ = cm; }
    double marginCm() const { return marginCm_; }
    // The word-processor document written with the pages ("" for none).
    void setExportFile(std::string path) { exportFile_ = std::move(path); }
    const std::string& exportFile() const { return exportFile_; }
    // What the printout is, for the title of its files ("" for none).
    void setTitle(std::string title) { title_ = std::move(title); }
    const std::string& title() const { return title_; }

    void paragraph(std::string text);
    void addTable(Table table);
    void drawPicture(Picture picture);
    void newPage();

    const std::vector<Block>& blocks() const { return blocks_; }
    // The blocks split at the page breaks; an empty document has one empty page.
    std::vector<std::vector<const Block*>> pages() const;
    // Every table in order, for tests and callers that read the model.
    std::vector<const Table*> tables() const;

private:
    std::vector<Block> blocks_;
    Orientation orientation_ = Orientation::Portrait;
    double fontSize_ = 12;
    double marginCm_ = 1.4;
    std::string exportFile_;
    std::string title_;
    bool finished_ = false;
};

} // namespace dravik::printing
