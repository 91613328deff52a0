#include "render/FontSubset.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace dravik;

namespace {

QByteArray be16(quint32 v)
{
    return QByteArray(1, char(v >> 8 & 0xff)) + QByteArray(1, char(v & 0xff));
}

quint32 at16(const QByteArray& b, qsizetype i)
{
    return quint32(quint8(b[i])) << 8 | quint8(b[i + 1]);
}

quint32 at32(const QByteArray& b, qsizetype i)
{
    return at16(b, i) << 16 | at16(b, i + 2);
}

} // namespace

// A font of four glyphs with short loca offsets: glyph 2 is made of glyph 3.
TEST(FontSubset, KeepsTheUsedGlyphsAndTheirPartsUnderTheirOwnNumbers)
{
    const QByteArray simple0(12, '\x10'), simple1(12, '\x11'), simple3(12, '\x13');
    QByteArray composite = be16(0xffff) + QByteArray(8, '\0'); // -1 contours, then the box
    composite += be16(0x0001) + be16(3) + QByteArray(4, '\0'); // one part, word arguments
    const QByteArray glyf = simple0 + simple1 + composite + simple3;
    QByteArray loca;
    for (int offset : {0, 12, 24, 24 + int(composite.size()), int(glyf.size())})
        loca += be16(offset / 2);
    QByteArray head(54, '\0');
    head[19] = char(64); // units per em
    std::map<std::string, QByteArray> tables{{"head", head}, {"maxp", QByteArray(4, '\0') + be16(4)},
                                             {"loca", loca}, {"glyf", glyf}, {"hhea", QByteArray(36, '\0')}};

    const QByteArray font = render::subsetTrueType(
        [&](const char* tag) { return tables.count(tag) ? tables[tag] : QByteArray(); }, {2});
    std::map<std::string, QByteArray> out;
    for (quint32 i = 0; i < at16(font, 4); ++i) {
        const qsizetype entry = 12 + 16 * i;
        out[font.mid(entry, 4).toStdString()] = font.mid(at32(font, entry + 8), at32(font, entry + 12));
    }
    ASSERT_EQ(at16(out["head"], 50), 1u) << "loca now holds long offsets";
    auto glyph = [&](int g) {
        const quint32 from = at32(out["loca"], 4 * g), to = at32(out["loca"], 4 * g + 4);
        return out["glyf"].mid(from, to - from);
    };
    EXPECT_EQ(glyph(0), simple0) << ".notdef stays";
    EXPECT_TRUE(glyph(1).isEmpty()) << "an unused glyph is dropped";
    EXPECT_EQ(glyph(2).left(composite.size()), composite);
    EXPECT_EQ(glyph(3), simple3) << "the part of a used composite stays";
    EXPECT_EQ(out["hhea"], tables["hhea"]);
}
