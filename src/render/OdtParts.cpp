// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/OdtParts.h"

#include "render/TextDefaults.h"

#include <QString>
#include <QStringList>

#include <zip.h>

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string_view>

namespace dravik::render::odt {

using printing::Document;
using printing::Orientation;

namespace {

constexpr const char* kOdfVersion = "1.2";
constexpr const char* kGenerator = "Dravik Sport - Program";

struct Namespace {
    const char* prefix;
    const char* uri;
};
constexpr Namespace kNamespaces[] = {
    {"office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"},
    {"style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"},
    {"text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"},
    {"table", "urn:oasis:names:tc:opendocument:xmlns:table:1.0"},
    {"draw", "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"},
    {"fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"},
    {"xlink", "http://www.w3.org/1999/xlink"},
    {"svg", "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"},
    {"meta", "urn:oasis:names:tc:opendocument:xmlns:meta:1.0"},
    {"dc", "http://purl.org/dc/elements/1.1/"},
};

// A zip archive built in memory, so the file is written in one piece afterwards.
class ZipPackage {
public:
    ZipPackage()
    {
        zip_error_t error;
        zip_error_init(&error);
        source_ = zip_source_buffer_create(nullptr, 0, 0, &error);
        if (source_)
            zip_ = zip_open_from_source(source_, ZIP_TRUNCATE, &error);
        if (!zip_) {
            const std::string reason = zip_error_strerror(&error);
            zip_error_fini(&error);
            if (source_)
                zip_source_free(source_);
            source_ = nullptr;
            throw std::runtime_error("the document package cannot be started (" + reason + ")");
        }
        zip_error_fini(&error);
        zip_source_keep(source_); // kept past zip_close, to read the archive back
    }
    ~ZipPackage()
    {
        if (zip_)
            zip_discard(zip_);
        if (source_)
            zip_source_free(source_);
    }
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    void add(const std::string& name, std::string data, bool compress = true)
    {
        const std::string& kept = data_.emplace_back(std::move(data));
        zip_source_t* src = zip_source_buffer(zip_, kept.data(), kept.size(), 0);
        const zip_int64_t index = src ? zip_file_add(zip_, name.c_str(), src, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (src)
                zip_source_free(src);
            fail("the part " + name + " cannot be added");
        }
        if (zip_set_file_compression(zip_, static_cast<zip_uint64_t>(index), compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE,
                                     compress ? 6 : 0) != 0)
            fail("the part " + name + " cannot be compressed");
    }

    std::string finish()
    {
        if (zip_close(zip_) != 0)
            fail("the document package cannot be completed");
        zip_ = nullptr;
        std::string bytes;
        if (zip_source_open(source_) != 0)
            throw std::runtime_error("the document package cannot be read back");
        zip_int64_t got = 0;
        char buffer[65536];
        while ((got = zip_source_read(source_, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, static_cast<std::size_t>(got));
        zip_source_close(source_);
        if (got < 0 || bytes.empty())
            throw std::runtime_error("the document package cannot be read back");
        return bytes;
    }

private:
    [[noreturn]] void fail(const std::string& what)
    {
        throw std::runtime_error(what + " (" + zip_strerror(zip_) + ")");
    }

    zip_source_t* source_ = nullptr;
    zip_t* zip_ = nullptr;
    std::list<std::string> data_; // parts stay in memory until the archive is closed
};

} // namespace

// Lengths as "1.27cm". Written without the process locale, which Qt sets from the
// environment and which may use a decimal comma.
std::string number(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    std::string s(buffer, result.ptr);
    if (s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
    }
    return s == "-0" ? "0" : s;
}
std::string cm(double value)
{
    return number(value) + "cm";
}
std::string pt(double value)
{
    return number(value) + "pt";
}

void set(pugi::xml_node node, const char* name, const std::string& value)
{
    node.append_attribute(name).set_value(value.c_str());
}

pugi::xml_node startPart(pugi::xml_document& doc, const char* root, std::initializer_list<const char*> prefixes)
{
    pugi::xml_node r = doc.append_child(root);
    for (const char* prefix : prefixes)
        for (const Namespace& ns : kNamespaces)
            if (std::string_view(ns.prefix) == prefix)
                set(r, ("xmlns:" + std::string(prefix)).c_str(), ns.uri);
    r.append_attribute("office:version") = kOdfVersion;
    return r;
}

// Every part starts with the same declaration, written here rather than by pugixml.
std::string savedXml(const pugi::xml_document& doc)
{
    struct Writer : pugi::xml_writer {
        std::string out;
        void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
    } writer;
    doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + writer.out;
}

// Text as the printed pages break it: "\r\n" and "\r" end lines as "\n" does, a closing
// line break adds no empty line of its own, and a space goes before each tab so text
// ending just short of a tab stop still keeps apart from the next column. Characters
// XML cannot hold (controls, broken UTF-8) are dropped or replaced.
std::vector<std::string> linesOf(const std::string& text, bool spaceBeforeTab)
{
    QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    t.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != '\t' && u != '\n') || u == 0xFFFE || u == 0xFFFF;
    });
    if (t.endsWith(QLatin1Char('\n')))
        t.chop(1);
    if (spaceBeforeTab)
        t.replace(QLatin1String("\t"), QLatin1String(" \t"));
    std::vector<std::string> lines;
    for (const QString& line : t.split(QLatin1Char('\n')))
        lines.push_back(line.toStdString());
    return lines;
}

// One line of text in a paragraph: tabs as text:tab, and spaces a reader would collapse
// or drop (runs of them, at the start or end, next to a tab) as text:s.
void appendLine(pugi::xml_node p, const std::string& line)
{
    std::string run;
    const auto flush = [&] {
        if (!run.empty())
            p.append_child(pugi::node_pcdata).set_value(run.c_str());
        run.clear();
    };
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == '\t') {
            flush();
            p.append_child("text:tab");
            ++i;
            continue;
        }
        if (line[i] != ' ') {
            run += line[i++];
            continue;
        }
        std::size_t end = line.find_first_not_of(' ', i);
        if (end == std::string::npos)
            end = line.size();
        const std::size_t count = end - i;
        const bool textFollows = end < line.size() && line[end] != '\t';
        if (count == 1 && !run.empty() && textFollows) {
            run += ' ';
        } else {
            flush();
            pugi::xml_node s = p.append_child("text:s");
            if (count > 1)
                s.append_attribute("text:c") = static_cast<unsigned>(count);
        }
        i = end;
    }
    flush();
}

void appendText(pugi::xml_node p, const std::string& text)
{
    bool first = true;
    for (const std::string& line : linesOf(text)) {
        if (!first)
            p.append_child("text:line-break");
        first = false;
        appendLine(p, line);
    }
}

void textProperties(pugi::xml_node props, double points, bool bold)
{
    if (points > 0) {
        const std::string size = pt(points);
        set(props, "fo:font-size", size);
        set(props, "style:font-size-asian", size);
        set(props, "style:font-size-complex", size);
    }
    if (bold) {
        props.append_attribute("fo:font-weight") = "bold";
        props.append_attribute("style:font-weight-asian") = "bold";
        props.append_attribute("style:font-weight-complex") = "bold";
    }
}

void fontFaces(pugi::xml_node root)
{
    pugi::xml_node face = root.append_child("office:font-face-decls").append_child("style:font-face");
    face.append_attribute("style:name") = kFontFamily;
    set(face, "svg:font-family", std::string("'") + kFontFamily + "'");
    face.append_attribute("style:font-family-generic") = "swiss";
    face.append_attribute("style:font-pitch") = "variable";
}

// styles.xml: the default font and tab stops, and the page (A4, orientation, margins).
std::string stylesXml(const Document& doc, double fontPoints)
{
    pugi::xml_document xml;
    pugi::xml_node root = startPart(xml, "office:document-styles", {"office", "style", "text", "fo", "svg"});
    fontFaces(root);

    pugi::xml_node styles = root.append_child("office:styles");
    pugi::xml_node defaults = styles.append_child("style:default-style");
    defaults.append_attribute("style:family") = "paragraph";
    pugi::xml_node pp = defaults.append_child("style:paragraph-properties");
    set(pp, "style:tab-stop-distance", cm(kTabStopCm));
    pp.append_attribute("fo:margin-top") = "0cm";
    pp.append_attribute("fo:margin-bottom") = "0cm";
    pp.append_attribute("fo:hyphenate") = "false";
    pugi::xml_node tp = defaults.append_child("style:text-properties");
    for (const char* font : {"style:font-name", "style:font-name-asian", "style:font-name-complex"})
        tp.append_attribute(font) = kFontFamily;
    textProperties(tp, fontPoints, false);
    tp.append_attribute("fo:hyphenate") = "false";
    pugi::xml_node standard = styles.append_child("style:style");
    standard.append_attribute("style:name") = "Standard";
    standard.append_attribute("style:family") = "paragraph";
    standard.append_attribute("style:class") = "text";

    const bool landscape = doc.orientation() == Orientation::Landscape;
    const std::string margin = cm(std::max(0.0, doc.marginCm()));
    pugi::xml_node layout = root.append_child("office:automatic-styles").append_child("style:page-layout");
    layout.append_attribute("style:name") = "Page";
    pugi::xml_node lp = layout.append_child("style:page-layout-properties");
    set(lp, "fo:page-width", cm(landscape ? kA4HeightCm : kA4WidthCm));
    set(lp, "fo:page-height", cm(landscape ? kA4WidthCm : kA4HeightCm));
    lp.append_attribute("style:num-format") = "1";
    lp.append_attribute("style:print-orientation") = landscape ? "landscape" : "portrait";
    for (const char* side : {"fo:margin-top", "fo:margin-bottom", "fo:margin-left", "fo:margin-right"})
        set(lp, side, margin);
    lp.append_attribute("style:writing-mode") = "lr-tb";

    pugi::xml_node master = root.append_child("office:master-styles").append_child("style:master-page");
    master.append_attribute("style:name") = "Standard";
    master.append_attribute("style:page-layout-name") = "Page";
    return savedXml(xml);
}

std::string metaXml()
{
    pugi::xml_document xml;
    pugi::xml_node root = startPart(xml, "office:document-meta", {"office", "meta"});
    root.append_child("office:meta").append_child("meta:generator").text() = kGenerator;
    return savedXml(xml);
}

std::string manifestXml(const std::vector<StoredPicture>& pictures)
{
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("manifest:manifest");
    root.append_attribute("xmlns:manifest") = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";
    root.append_attribute("manifest:version") = kOdfVersion;
    const auto entry = [&](const std::string& path, const char* type) {
        pugi::xml_node e = root.append_child("manifest:file-entry");
        set(e, "manifest:full-path", path);
        e.append_attribute("manifest:media-type") = type;
        return e;
    };
    entry("/", kMimeType).append_attribute("manifest:version") = kOdfVersion;
    entry("content.xml", "text/xml");
    entry("styles.xml", "text/xml");
    entry("meta.xml", "text/xml");
    for (const StoredPicture& p : pictures)
        entry(p.path, "image/png");
    return savedXml(xml);
}

std::string zipPackage(const std::string& contentXml, const std::string& styles,
                       const std::vector<StoredPicture>& pictures)
{
    ZipPackage zip;
    // The first entry names the kind of document, stored as it is, so a reader can
    // tell it at a fixed place in the file.
    zip.add("mimetype", kMimeType, false);
    zip.add("META-INF/manifest.xml", manifestXml(pictures));
    zip.add("content.xml", contentXml);
    zip.add("styles.xml", styles);
    zip.add("meta.xml", metaXml());
    for (const StoredPicture& p : pictures)
        zip.add(p.path, p.png, false); // PNG is compressed already
    return zip.finish();
}

} // namespace dravik::render::odt
