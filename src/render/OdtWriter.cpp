// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/OdtWriter.h"

#include "printing/TableFormat.h"
#include "render/OdtParts.h"
#include "render/Render.h"
#include "render/TextDefaults.h"

#include <QBuffer>
#include <QImage>
#include <QString>

#include <pugixml.hpp>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string_view>
#include <tuple>
#include <variant>
#include <vector>

namespace dravik::render {

using printing::Align;
using printing::Block;
using printing::Document;
using printing::Orientation;
using printing::PageBreak;
using printing::Paragraph;
using printing::Picture;
using printing::Table;

using namespace odt;

namespace {

// content.xml: the blocks of the model, in order, with the automatic styles they use.
class ContentBuilder {
public:
    ContentBuilder(const Document& doc, const TabColumns& tabs) : tabs_(tabs)
    {
        const bool landscape = doc.orientation() == Orientation::Landscape;
        const double margin = std::max(0.0, doc.marginCm());
        contentWidthCm_ = (landscape ? kA4HeightCm : kA4WidthCm) - 2 * margin;

        pugi::xml_node root = startPart(xml_, "office:document-content",
                                        {"office", "style", "text", "table", "draw", "fo", "xlink", "svg"});
        fontFaces(root);
        styles_ = root.append_child("office:automatic-styles");
        body_ = root.append_child("office:body").append_child("office:text");
    }

    std::string build(const std::vector<Block>& blocks)
    {
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const Block& b = blocks[i];
            if (const auto* p = std::get_if<Paragraph>(&b)) {
                appendText(paragraph(), p->text);
                contentSeen_ = true;
            } else if (const auto* t = std::get_if<Table>(&b)) {
                table(*t);
            } else if (const auto* picture = std::get_if<Picture>(&b)) {
                place(*picture);
            } else {
                pageBreak();
            }
        }
        // Pictures at the very end still need a paragraph to stand on, and a page
        // break at the very end still opens its (empty) page.
        if (pendingBreak_ || !frames_.empty() || !body_.first_child())
            paragraph();
        return savedXml(xml_);
    }

    const std::vector<StoredPicture>& pictures() const { return pictures_; }

private:
    std::string paragraphStyle(Align align, bool bold, double points, bool breakBefore)
    {
        const auto key = std::make_tuple(static_cast<int>(align), bold, points, breakBefore);
        if (auto it = paragraphStyles_.find(key); it != paragraphStyles_.end())
            return it->second;
        const std::string name = "P" + std::to_string(paragraphStyles_.size() + 1);
        pugi::xml_node s = styles_.append_child("style:style");
        set(s, "style:name", name);
        s.append_attribute("style:family") = "paragraph";
        s.append_attribute("style:parent-style-name") = "Standard";
        pugi::xml_node props = s.append_child("style:paragraph-properties");
        props.append_attribute("fo:text-align") = align == Align::Centre  ? "center"
                                                  : align == Align::Right ? "end"
                                                                          : "start";
        if (breakBefore) {
            props.append_attribute("fo:break-before") = "page";
            breakParagraphs_.insert(name);
        }
        if (bold || points > 0)
            textProperties(s.append_child("style:text-properties"), points, bold);
        paragraphStyles_.emplace(key, name);
        return name;
    }

    bool takeBreak()
    {
        const bool b = pendingBreak_;
        pendingBreak_ = false;
        return b;
    }

    // A new paragraph of the body; it starts the next page after a break and carries
    // the pictures waiting for a paragraph to anchor to.
    pugi::xml_node paragraph()
    {
        pugi::xml_node p = body_.append_child("text:p");
        set(p, "text:style-name", paragraphStyle(Align::Left, false, 0, takeBreak()));
        for (const auto& [picture, path] : frames_)
            frame(p, picture, path);
        frames_.clear();
        return p;
    }

    void pageBreak()
    {
        if (!contentSeen_)
            return; // a document does not begin with an empty page
        if (!frames_.empty() || pendingBreak_)
            paragraph(); // pictures stay on their page; two breaks leave an empty page
        pendingBreak_ = true;
    }

    // Pictures are placed on the page at their own position, anchored to the paragraph
    // that follows them so they travel with their page. Text keeps clear of them.
    void place(const Picture& picture)
    {
        contentSeen_ = true;
        std::string key = picture.source == Picture::Source::ProgramLogo ? std::string("logo") : "file:" + picture.file;
        auto it = pictureByKey_.find(key);
        if (it == pictureByKey_.end()) {
            const QImage image = picture.source == Picture::Source::ProgramLogo ? programLogo()
                                 : picture.file.empty()                         ? QImage()
                                                        : QImage(QString::fromStdString(picture.file));
            std::string path;
            if (!image.isNull()) {
                QBuffer png;
                png.open(QIODevice::WriteOnly);
                if (image.save(&png, "PNG")) {
                    path = picture.source == Picture::Source::ProgramLogo
                               ? std::string("Pictures/logo.png")
                               : "Pictures/picture" + std::to_string(pictures_.size() + 1) + ".png";
                    pictures_.push_back({path, png.data().toStdString()});
                }
            }
            it = pictureByKey_.emplace(std::move(key), std::move(path)).first;
        }
        if (!it->second.empty()) // a missing picture draws nothing
            frames_.emplace_back(picture, it->second);
    }

    void frame(pugi::xml_node p, const Picture& picture, const std::string& path)
    {
        if (!pictureStyle_) {
            pictureStyle_ = true;
            pugi::xml_node s = styles_.append_child("style:style");
            s.append_attribute("style:name") = "Picture";
            s.append_attribute("style:family") = "graphic";
            pugi::xml_node g = s.append_child("style:graphic-properties");
            g.append_attribute("style:wrap") = "none";
            g.append_attribute("style:run-through") = "foreground";
            g.append_attribute("style:vertical-pos") = "from-top";
            g.append_attribute("style:vertical-rel") = "page";
            g.append_attribute("style:horizontal-pos") = "from-left";
            g.append_attribute("style:horizontal-rel") = "page";
            g.append_attribute("style:flow-with-text") = "false";
            for (const char* side : {"fo:margin-left", "fo:margin-right", "fo:margin-top", "fo:margin-bottom"})
                g.append_attribute(side) = "0cm";
            g.append_attribute("fo:padding") = "0cm";
            g.append_attribute("fo:border") = "none";
        }
        ++frameCount_;
        pugi::xml_node f = p.append_child("draw:frame");
        f.append_attribute("draw:style-name") = "Picture";
        set(f, "draw:name", "Picture" + std::to_string(frameCount_));
        f.append_attribute("text:anchor-type") = "paragraph";
        set(f, "svg:x", cm(picture.leftCm));
        set(f, "svg:y", cm(picture.topCm));
        set(f, "svg:width", cm(picture.widthCm));
        set(f, "svg:height", cm(picture.heightCm));
        f.append_attribute("draw:z-index") = frameCount_ - 1;
        pugi::xml_node image = f.append_child("draw:image");
        set(image, "xlink:href", path);
        image.append_attribute("xlink:type") = "simple";
        image.append_attribute("xlink:show") = "embed";
        image.append_attribute("xlink:actuate") = "onLoad";
    }

    void table(const Table& t)
    {
        if (!frames_.empty())
            paragraph();
        else
            dropEmptyLineBeforeTable();
        contentSeen_ = true;
        // Columns wider than the page together are narrowed in proportion, as printed.
        const printing::LaidOutColumns laidOut = printing::laidOutColumns(t, contentWidthCm_);
        const std::vector<printing::Column>& columns = laidOut.columns;

        const std::string name = "Table" + std::to_string(++tableCount_);
        pugi::xml_node s = styles_.append_child("style:style");
        set(s, "style:name", name);
        s.append_attribute("style:family") = "table";
        pugi::xml_node props = s.append_child("style:table-properties");
        set(props, "style:width", cm(laidOut.widthCm));
        props.append_attribute("table:align") = "left";
        props.append_attribute("fo:margin-left") = "0cm";
        props.append_attribute("table:border-model") = "collapsing";
        if (takeBreak())
            props.append_attribute("fo:break-before") = "page";

        pugi::xml_node table = body_.append_child("table:table");
        set(table, "table:name", name);
        set(table, "table:style-name", name);

        const double points = t.fontSize > 0 ? t.fontSize : 0;
        std::vector<std::string> plain, bold;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string columnStyle = name + ".C" + std::to_string(c + 1);
            pugi::xml_node cs = styles_.append_child("style:style");
            set(cs, "style:name", columnStyle);
            cs.append_attribute("style:family") = "table-column";
            pugi::xml_node cp = cs.append_child("style:table-column-properties");
            set(cp, "style:column-width", cm(columns[c].widthCm));
            set(table.append_child("table:table-column"), "table:style-name", columnStyle);
            plain.push_back(paragraphStyle(columns[c].align, false, points, false));
            bold.push_back(paragraphStyle(columns[c].align, true, points, false));
        }

        // The header row sits in the table's header rows, which repeat on every page.
        if (!t.header.empty())
            row(table.append_child("table:table-header-rows"), t.header, bold, 0, false);
        for (const auto& r : t.rows)
            row(table, r, plain, points, t.tabColumns);
        // An empty table still prints its frame: one empty row.
        if (t.header.empty() && t.rows.empty())
            row(table, {}, plain, 0, false);
    }

    // On the printed pages a table starts on the empty line the text left it (the line
    // takes no room of its own), so heading, one blank line and the table print as
    // they were counted. An empty line ending the paragraph just before is left out.
    void dropEmptyLineBeforeTable()
    {
        pugi::xml_node last = body_.last_child();
        if (pendingBreak_ || std::string_view(last.name()) != "text:p")
            return;
        if (!last.first_child()) {
            // A page break it carried moves to the table.
            if (breakParagraphs_.count(last.attribute("text:style-name").value()))
                pendingBreak_ = true;
            body_.remove_child(last);
        } else if (std::string_view(last.last_child().name()) == "text:line-break") {
            last.remove_child(last.last_child());
        }
    }

    // A paragraph style whose tab stops are the tab columns of lines of n fields.
    std::string tabStyle(int n, double points)
    {
        const auto key = std::make_pair(n, points);
        if (auto it = tabStyles_.find(key); it != tabStyles_.end())
            return it->second;
        const std::string name = "Tabs" + std::to_string(tabStyles_.size() + 1);
        pugi::xml_node s = styles_.append_child("style:style");
        set(s, "style:name", name);
        s.append_attribute("style:family") = "paragraph";
        s.append_attribute("style:parent-style-name") = "Standard";
        pugi::xml_node stops = s.append_child("style:paragraph-properties").append_child("style:tab-stops");
        for (double x : tabs_.at(n))
            set(stops.append_child("style:tab-stop"), "style:position", cm(x));
        if (points > 0)
            textProperties(s.append_child("style:text-properties"), points, false);
        tabStyles_.emplace(key, name);
        return name;
    }

    // A cell of a tab-column table: each line a paragraph, those with tabs set at
    // the table's tab columns.
    void tabCell(pugi::xml_node cell, const std::string& text, const std::string& style, double points)
    {
        for (const std::string& line : linesOf(text, false)) {
            pugi::xml_node p = cell.append_child("text:p");
            const int n = static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1;
            set(p, "text:style-name", tabs_.count(n) ? tabStyle(n, points) : style);
            appendLine(p, line);
        }
    }

    void row(pugi::xml_node parent, const std::vector<std::string>& cells, const std::vector<std::string>& styles,
             double points, bool tabColumns)
    {
        if (!cellStyle_) {
            cellStyle_ = true;
            pugi::xml_node s = styles_.append_child("style:style");
            s.append_attribute("style:name") = "Cell";
            s.append_attribute("style:family") = "table-cell";
            pugi::xml_node props = s.append_child("style:table-cell-properties");
            set(props, "fo:padding-top", pt(kCellPaddingTopPt));
            set(props, "fo:padding-bottom", pt(kCellPaddingTopPt));
            set(props, "fo:padding-left", pt(kCellPaddingSidePt));
            set(props, "fo:padding-right", pt(kCellPaddingSidePt));
            set(props, "fo:border", pt(kCellBorderPt) + " solid #000000");
        }
        pugi::xml_node r = parent.append_child("table:table-row");
        for (std::size_t c = 0; c < styles.size(); ++c) {
            pugi::xml_node cell = r.append_child("table:table-cell");
            cell.append_attribute("table:style-name") = "Cell";
            cell.append_attribute("office:value-type") = "string";
            if (tabColumns && c < cells.size()) {
                tabCell(cell, cells[c], styles[c], points);
                continue;
            }
            pugi::xml_node p = cell.append_child("text:p");
            set(p, "text:style-name", styles[c]);
            if (c < cells.size())
                appendText(p, cells[c]);
        }
    }

    pugi::xml_document xml_;
    pugi::xml_node styles_, body_;
    const TabColumns& tabs_;
    std::map<std::pair<int, double>, std::string> tabStyles_;
    double contentWidthCm_ = 18;
    std::map<std::tuple<int, bool, double, bool>, std::string> paragraphStyles_;
    std::set<std::string> breakParagraphs_;           // paragraph styles that start a page
    std::map<std::string, std::string> pictureByKey_; // "" for a picture that cannot be drawn
    std::vector<StoredPicture> pictures_;
    std::vector<std::pair<Picture, std::string>> frames_; // waiting for their paragraph
    bool pendingBreak_ = false;
    bool contentSeen_ = false;
    bool pictureStyle_ = false;
    bool cellStyle_ = false;
    int tableCount_ = 0;
    int frameCount_ = 0;
};

} // namespace

std::string odtPackage(const Document& doc, const TabColumns& tabs)
{
    const double fontPoints = doc.fontSize() > 0 ? doc.fontSize() : 12;
    ContentBuilder content(doc, tabs);
    const std::string contentXml = content.build(doc.blocks());
    return zipPackage(contentXml, stylesXml(doc, fontPoints), content.pictures());
}

} // namespace dravik::render
