#include "render/PdfPageWriter.h"

#include "render/FontSubset.h"
#include "render/PdfPaintEngine.h"

#include <cmath>
#include <cstdio>
#include <set>
#include <vector>

namespace dravik::render {

struct PdfPageWriter::Impl {
    Impl(QSizeF points, double unitsPerPoint)
        : points(points), engine(points, unitsPerPoint), device(&engine, points * unitsPerPoint, unitsPerPoint)
    {
    }

    int reserve()
    {
        offsets.push_back(0);
        return int(offsets.size()) - 1;
    }

    void object(int number, const std::string& body)
    {
        offsets[number] = out.size();
        out += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    }

    void stream(int number, std::string dict, const QByteArray& data)
    {
        // Fast packing: the page text is glyph numbers, which the quickest level packs nearly as well.
        const QByteArray packed = qCompress(data, 1).mid(4); // a zlib stream after Qt's length
        offsets[number] = out.size();
        out += std::to_string(number) + " 0 obj\n" + dict + " /Filter /FlateDecode /Length " +
               std::to_string(packed.size()) + " >>\nstream\n";
        out.append(packed.constData(), std::size_t(packed.size()));
        out += "\nendstream\nendobj\n";
    }

    void endPage()
    {
        const std::string content = engine.takePage();
        const int contents = reserve(), page = reserve();
        stream(contents, "<<", QByteArray::fromRawData(content.data(), qsizetype(content.size())));
        std::string box;
        put(box, 0);
        put(box, 0);
        put(box, points.width());
        put(box, points.height());
        object(page, "<< /Type /Page /Parent 2 0 R /MediaBox [" + box + "] /Resources 3 0 R /Contents " +
                         std::to_string(contents) + " 0 R >>");
        pages.push_back(page);
    }

    std::string fontObjects(EmbeddedFont& f)
    {
        std::set<quint32> used;
        for (quint32 g = 0; g < f.chars.size(); ++g)
            if (f.chars[g])
                used.insert(g);
        const QByteArray file = subsetTrueType([&](const char* tag) { return f.raw.fontTable(tag); }, used);
        const int type0 = reserve(), cid = reserve(), descriptor = reserve(), fontFile = reserve(),
                  toUnicode = reserve();
        std::string name;
        for (QChar c : f.raw.familyName() + f.raw.styleName())
            if (c.isLetterOrNumber() && c.unicode() < 128)
                name += char(c.unicode());
        name = "DRVK" + std::string(1, char('A' + f.number / 26 % 26)) + char('A' + f.number % 26) + "+" + name;

        std::string widths;
        for (quint32 g : used) {
            widths += std::to_string(g) + " [";
            put(widths, f.width(g));
            widths += "] ";
        }
        const QByteArray head = f.raw.fontTable("head"), hhea = f.raw.fontTable("hhea");
        auto em = [&](qint32 v) { return std::to_string(std::lround(v * 1000.0 / f.perEm)); };
        object(type0, "<< /Type /Font /Subtype /Type0 /BaseFont /" + name + " /Encoding /Identity-H /DescendantFonts [" +
                          std::to_string(cid) + " 0 R] /ToUnicode " + std::to_string(toUnicode) + " 0 R >>");
        object(cid, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
                        " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor " +
                        std::to_string(descriptor) + " 0 R /CIDToGIDMap /Identity /W [" + widths + "] >>");
        object(descriptor, "<< /Type /FontDescriptor /FontName /" + name + " /Flags 32 /FontBBox [" +
                               em(int16At(head, 36)) + " " + em(int16At(head, 38)) + " " + em(int16At(head, 40)) +
                               " " + em(int16At(head, 42)) + "] /ItalicAngle 0 /Ascent " + em(int16At(hhea, 4)) +
                               " /Descent " + em(int16At(hhea, 6)) + " /CapHeight " + em(int16At(hhea, 4)) +
                               " /StemV 80 /FontFile2 " + std::to_string(fontFile) + " 0 R >>");
        stream(fontFile, "<< /Length1 " + std::to_string(file.size()), file);

        // The characters behind each glyph, for copying text and searching it.
        std::string cmap = "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n"
                           "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                           "/CMapName /Adobe-Identity-UCS def /CMapType 2 def\n"
                           "1 begincodespacerange <0000> <FFFF> endcodespacerange\n";
        const std::vector<quint32> all(used.begin(), used.end());
        for (std::size_t i = 0; i < all.size(); i += 100) {
            const std::size_t n = std::min<std::size_t>(100, all.size() - i);
            cmap += std::to_string(n) + " beginbfchar\n";
            for (std::size_t k = i; k < i + n; ++k) {
                cmap += '<';
                putHex4(cmap, all[k]);
                cmap += "> <";
                putHex4(cmap, f.chars[all[k]]);
                cmap += ">\n";
            }
            cmap += "endbfchar\n";
        }
        cmap += "endcmap CMapName currentdict /CMap defineresource pop end end\n";
        stream(toUnicode, "<<", QByteArray::fromStdString(cmap));
        return "/F" + std::to_string(f.number) + " " + std::to_string(type0) + " 0 R ";
    }

    QSizeF points;
    PdfEngine engine;
    PdfDevice device;
    std::string out = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
    std::vector<std::size_t> offsets{0, 0, 0, 0, 0}; // 0 free; 1 catalog, 2 pages, 3 resources, 4 info
    std::vector<int> pages;
    std::string creator;
};

// Paper sizes in whole points, as printers and readers name them (A4: 595 x 842).
PdfPageWriter::PdfPageWriter(QSizeF pagePoints, double unitsPerPoint, const std::string& creator)
    : d_(std::make_unique<Impl>(QSizeF(std::round(pagePoints.width()), std::round(pagePoints.height())),
                                unitsPerPoint))
{
    d_->creator = creator;
}

PdfPageWriter::~PdfPageWriter() = default;

QPaintDevice* PdfPageWriter::device()
{
    return &d_->device;
}

void PdfPageWriter::newPage()
{
    d_->endPage();
}

QByteArray PdfPageWriter::finish()
{
    Impl& d = *d_;
    d.endPage();
    std::string fonts;
    for (EmbeddedFont& f : d.engine.fonts())
        if (!f.chars.empty())
            fonts += d.fontObjects(f);
    // Images, each with its transparency as a mask of its own.
    auto& images = d.engine.images();
    std::vector<int> numbers;
    for (std::size_t i = 0; i < images.size(); ++i)
        numbers.push_back(d.reserve());
    for (std::size_t i = 0; i < images.size(); ++i) {
        std::string dict = images[i].first;
        if (auto at = dict.find("%MASK%"); at != std::string::npos)
            dict.replace(at, 6, std::to_string(numbers[i + 1]) + " 0 R");
        d.stream(numbers[i], dict, images[i].second);
    }
    std::string xobjects;
    for (const auto& [number, index] : d.engine.imageObjects())
        xobjects += "/Im" + std::to_string(number) + " " + std::to_string(numbers[std::size_t(index)]) + " 0 R ";
    d.object(3, "<< /Font << " + fonts + ">> /XObject << " + xobjects + ">> /ProcSet [/PDF /Text /ImageC] >>");
    std::string kids;
    for (int p : d.pages)
        kids += std::to_string(p) + " 0 R ";
    d.object(2, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(d.pages.size()) + " >>");
    d.object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    std::string creator;
    for (char c : d.creator)
        if (c != '(' && c != ')' && c != '\\')
            creator += c;
    d.object(4, "<< /Creator (" + creator + ") /Producer (" + creator + ") >>");

    const std::size_t xref = d.out.size();
    d.out += "xref\n0 " + std::to_string(d.offsets.size()) + "\n0000000000 65535 f \n";
    char line[24];
    for (std::size_t i = 1; i < d.offsets.size(); ++i) {
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", d.offsets[i]);
        d.out += line;
    }
    d.out += "trailer\n<< /Size " + std::to_string(d.offsets.size()) + " /Root 1 0 R /Info 4 0 R >>\nstartxref\n" +
             std::to_string(xref) + "\n%%EOF\n";
    return QByteArray::fromStdString(d.out);
}

} // namespace dravik::render
