#include "render/FontSubset.h"

#include <algorithm>
#include <array>
#include <vector>

namespace dravik::render {

namespace {

quint32 read16(const QByteArray& b, qsizetype at)
{
    if (at < 0 || at + 2 > b.size())
        return 0;
    return quint32(quint8(b[at])) << 8 | quint8(b[at + 1]);
}

quint32 read32(const QByteArray& b, qsizetype at)
{
    return read16(b, at) << 16 | read16(b, at + 2);
}

void put16(QByteArray& b, quint32 v)
{
    b.append(char(v >> 8 & 0xff)).append(char(v & 0xff));
}

void put32(QByteArray& b, quint32 v)
{
    put16(b, v >> 16);
    put16(b, v & 0xffff);
}

void set16(QByteArray& b, qsizetype at, quint32 v)
{
    b[at] = char(v >> 8 & 0xff);
    b[at + 1] = char(v & 0xff);
}

quint32 checksum(const QByteArray& table)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i < table.size(); i += 4) {
        quint32 word = 0;
        for (int k = 0; k < 4; ++k)
            word = word << 8 | (i + k < table.size() ? quint8(table[i + k]) : 0);
        sum += word;
    }
    return sum;
}

// The glyphs a composite glyph is made of.
std::vector<quint32> components(const QByteArray& glyph)
{
    std::vector<quint32> out;
    if (glyph.size() < 10 || qint16(read16(glyph, 0)) >= 0)
        return out;
    constexpr quint32 kWords = 0x1, kScale = 0x8, kMore = 0x20, kXYScale = 0x40, kTwoByTwo = 0x80;
    qsizetype at = 10;
    for (quint32 flags = kMore; (flags & kMore) && at + 4 <= glyph.size();) {
        flags = read16(glyph, at);
        out.push_back(read16(glyph, at + 2));
        at += 4 + ((flags & kWords) ? 4 : 2);
        if (flags & kScale)
            at += 2;
        else if (flags & kXYScale)
            at += 4;
        else if (flags & kTwoByTwo)
            at += 8;
    }
    return out;
}

} // namespace

QByteArray subsetTrueType(const FontTables& tables, const std::set<quint32>& used)
{
    QByteArray head = tables("head");
    const QByteArray maxp = tables("maxp"), loca = tables("loca"), glyf = tables("glyf");
    if (head.size() < 54 || maxp.size() < 6 || loca.isEmpty() || glyf.isEmpty())
        return {};
    const quint32 count = read16(maxp, 4);
    const bool longOffsets = read16(head, 50) == 1;
    auto offset = [&](quint32 g) -> qsizetype {
        return longOffsets ? qsizetype(read32(loca, 4 * g)) : qsizetype(read16(loca, 2 * g)) * 2;
    };
    auto glyph = [&](quint32 g) {
        const qsizetype from = offset(g), to = offset(g + 1);
        return g < count && from < to && to <= glyf.size() ? glyf.mid(from, to - from) : QByteArray();
    };

    // The used glyphs, .notdef and every part of a composite.
    std::set<quint32> keep{0};
    std::vector<quint32> todo(used.begin(), used.end());
    while (!todo.empty()) {
        const quint32 g = todo.back();
        todo.pop_back();
        if (g >= count || !keep.insert(g).second)
            continue;
        for (quint32 part : components(glyph(g)))
            if (!keep.count(part))
                todo.push_back(part);
    }

    QByteArray newGlyf, newLoca;
    for (quint32 g = 0; g < count; ++g) {
        put32(newLoca, quint32(newGlyf.size()));
        if (keep.count(g)) {
            newGlyf.append(glyph(g));
            while (newGlyf.size() % 4)
                newGlyf.append('\0');
        }
    }
    put32(newLoca, quint32(newGlyf.size()));
    set16(head, 8, 0); // checkSumAdjustment, which no PDF reader checks
    set16(head, 10, 0);
    set16(head, 50, 1); // long offsets in loca

    std::vector<std::pair<std::array<char, 4>, QByteArray>> out;
    // In the order of their tags, as the table directory lists them.
    for (const char* tag : {"OS/2", "cvt ", "fpgm", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "prep"}) {
        QByteArray data = tag == std::string_view("glyf")   ? newGlyf
                          : tag == std::string_view("loca") ? newLoca
                          : tag == std::string_view("head") ? head
                                                            : tables(tag);
        if (!data.isEmpty())
            out.push_back({{tag[0], tag[1], tag[2], tag[3]}, data});
    }
    const auto n = quint32(out.size());
    quint32 power = 1, log2 = 0;
    while (power * 2 <= n) {
        power *= 2;
        ++log2;
    }
    QByteArray font;
    put32(font, 0x00010000);
    put16(font, n);
    put16(font, power * 16);
    put16(font, log2);
    put16(font, n * 16 - power * 16);
    quint32 at = 12 + 16 * n;
    for (const auto& [tag, data] : out) {
        font.append(tag.data(), 4);
        put32(font, checksum(data));
        put32(font, at);
        put32(font, quint32(data.size()));
        at += quint32((data.size() + 3) / 4 * 4);
    }
    for (const auto& entry : out) {
        font.append(entry.second);
        while (font.size() % 4)
            font.append('\0');
    }
    return font;
}

} // namespace dravik::render
