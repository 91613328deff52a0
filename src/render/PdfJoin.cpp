#include "render/PdfJoin.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

namespace dravik::render {

namespace {

[[noreturn]] void notAsExpected(const char* what)
{
    throw std::runtime_error(std::string("A part of the PDF is not laid out as expected: ") + what + ".");
}

// A PDF's objects by number, each as its bytes from "N 0 obj" to the next object.
struct PdfFile {
    QByteArray head; // up to the first object
    std::map<int, QByteArray> objects;
    int root = 0, info = 0, pages = 0;
    std::vector<int> kids;
};

int numberAfter(const QByteArray& text, const QByteArray& key, qsizetype from = 0)
{
    const qsizetype at = text.indexOf(key, from);
    if (at < 0)
        return 0;
    qsizetype i = at + key.size();
    while (i < text.size() && (text[i] == ' ' || text[i] == '\n' || text[i] == '\r'))
        ++i;
    int n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        n = n * 10 + (text[i] - '0');
    return n;
}

// The object's dictionary part: everything before its stream, if it has one.
qsizetype dictionaryEnd(const QByteArray& object)
{
    const qsizetype stream = object.indexOf("stream");
    return stream < 0 ? object.size() : stream;
}

PdfFile readPdf(const QByteArray& bytes)
{
    PdfFile pdf;
    const qsizetype startxref = bytes.lastIndexOf("startxref");
    if (startxref < 0)
        notAsExpected("no startxref");
    const int xref = numberAfter(bytes, "startxref", startxref);
    if (xref <= 0 || xref >= bytes.size() || !bytes.mid(xref).startsWith("xref"))
        notAsExpected("no cross-reference table");
    const QByteArray table = bytes.mid(xref, startxref - xref);
    static const QRegularExpression entry(QStringLiteral("(\\d{10}) (\\d{5}) ([nf])"));
    const QString text = QString::fromLatin1(table);
    const qsizetype firstLine = text.indexOf(QLatin1Char('\n'), text.indexOf(QLatin1Char('\n')) + 1);
    std::map<qsizetype, int> byOffset;
    int number = 0;
    for (auto it = entry.globalMatch(text, firstLine); it.hasNext(); ++number) {
        const auto m = it.next();
        if (m.captured(3) == QLatin1String("n"))
            byOffset[m.captured(1).toLongLong()] = number;
    }
    if (byOffset.empty())
        notAsExpected("an empty cross-reference table");
    pdf.head = bytes.left(byOffset.begin()->first);
    for (auto it = byOffset.begin(); it != byOffset.end(); ++it) {
        const auto next = std::next(it);
        const qsizetype end = next == byOffset.end() ? xref : next->first;
        pdf.objects[it->second] = bytes.mid(it->first, end - it->first);
    }
    const QByteArray tail = bytes.mid(xref);
    pdf.root = numberAfter(tail, "/Root");
    pdf.info = numberAfter(tail, "/Info");
    if (!pdf.objects.contains(pdf.root))
        notAsExpected("no catalogue");
    pdf.pages = numberAfter(pdf.objects[pdf.root], "/Pages");
    if (!pdf.objects.contains(pdf.pages))
        notAsExpected("no page tree");
    const QByteArray& tree = pdf.objects[pdf.pages];
    const qsizetype open = tree.indexOf('[', tree.indexOf("/Kids"));
    const qsizetype close = tree.indexOf(']', open);
    if (open < 0 || close < 0)
        notAsExpected("a page tree without pages");
    static const QRegularExpression ref(QStringLiteral("(\\d+) 0 R"));
    for (auto it = ref.globalMatch(QString::fromLatin1(tree.mid(open, close - open))); it.hasNext();)
        pdf.kids.push_back(it.next().captured(1).toInt());
    for (int kid : pdf.kids)
        if (!pdf.objects.contains(kid) || !pdf.objects[kid].contains("/Type /Page"))
            notAsExpected("a page tree that holds more than pages");
    return pdf;
}

// Rewrites an object's number, the references of its dictionary part and the subset
// tags of its fonts (which must differ between the parts).
QByteArray renumbered(const QByteArray& object, int number, const std::map<int, int>& numbers,
                      std::set<QString>& tags, std::map<QString, QString>& renames)
{
    const qsizetype end = dictionaryEnd(object);
    QString dict = QString::fromLatin1(object.left(end));
    static const QRegularExpression header(QStringLiteral("^\\d+ 0 obj"));
    dict.replace(header, QString::number(number) + QStringLiteral(" 0 obj"));
    static const QRegularExpression ref(QStringLiteral("\\b(\\d+) 0 R\\b"));
    QString out;
    qsizetype last = 0;
    for (auto it = ref.globalMatch(dict); it.hasNext();) {
        const auto m = it.next();
        const auto to = numbers.find(m.captured(1).toInt());
        if (to == numbers.end())
            notAsExpected("a reference to an object it does not hold");
        out += dict.mid(last, m.capturedStart() - last) + QString::number(to->second) + QStringLiteral(" 0 R");
        last = m.capturedEnd();
    }
    out += dict.mid(last);
    static const QRegularExpression tag(QStringLiteral("/([A-Z]{6})\\+"));
    for (auto it = tag.globalMatch(out); it.hasNext();) {
        const auto m = it.next();
        auto [named, added] = renames.try_emplace(m.captured(1), m.captured(1));
        QString& name = named->second;
        for (int i = 0; added && i < 26 * 26 && tags.contains(name); ++i)
            name[i % 2] = QChar(u'A' + (name[i % 2].unicode() - u'A' + 1) % 26);
        tags.insert(name);
        out.replace(m.capturedStart(1), 6, name);
    }
    return out.toLatin1() + object.mid(end);
}

} // namespace

QByteArray joinPdfs(const std::vector<QByteArray>& parts)
{
    if (parts.empty())
        notAsExpected("no parts");
    if (parts.size() == 1)
        return parts.front();
    std::vector<PdfFile> files;
    for (const QByteArray& p : parts)
        files.push_back(readPdf(p));
    const PdfFile& first = files.front();

    // The first part's numbers stay; every later part's objects follow, except its
    // catalogue, information and page tree: its pages join the first part's tree.
    std::vector<std::pair<int, QByteArray>> objects;
    std::set<QString> tags;
    static const QRegularExpression tag(QStringLiteral("/([A-Z]{6})\\+"));
    for (const auto& [n, bytes] : first.objects) {
        if (n != first.pages)
            objects.emplace_back(n, bytes);
        for (auto it = tag.globalMatch(QString::fromLatin1(bytes.left(dictionaryEnd(bytes)))); it.hasNext();)
            tags.insert(it.next().captured(1));
    }
    int next = first.objects.rbegin()->first + 1;
    std::vector<int> kids = first.kids;
    for (std::size_t p = 1; p < files.size(); ++p) {
        const PdfFile& f = files[p];
        std::map<int, int> numbers{{f.pages, first.pages}};
        std::map<QString, QString> renames;
        for (const auto& [n, bytes] : f.objects)
            if (n != f.root && n != f.info && n != f.pages)
                numbers[n] = next++;
        for (const auto& [n, bytes] : f.objects)
            if (n != f.root && n != f.info && n != f.pages)
                objects.emplace_back(numbers[n], renumbered(bytes, numbers[n], numbers, tags, renames));
        for (int kid : f.kids)
            kids.push_back(numbers[kid]);
    }
    // The page tree keeps its own entries, with every part's pages.
    const QByteArray& tree = first.objects.at(first.pages);
    const qsizetype open = tree.indexOf('[', tree.indexOf("/Kids"));
    const qsizetype close = tree.indexOf(']', open);
    QByteArray pagesTree = tree.left(open + 1) + "\n";
    for (int kid : kids)
        pagesTree += QByteArray::number(kid) + " 0 R\n";
    QByteArray rest = tree.mid(close);
    static const QRegularExpression count(QStringLiteral("/Count \\d+"));
    rest = QString::fromLatin1(rest)
               .replace(count, QStringLiteral("/Count ") + QString::number(kids.size()))
               .toLatin1();
    objects.emplace_back(first.pages, pagesTree + rest);

    QByteArray out = first.head;
    std::map<int, qsizetype> offsets;
    for (const auto& [n, bytes] : objects) {
        offsets[n] = out.size();
        out += bytes;
    }
    const qsizetype xref = out.size();
    const int size = next;
    out += "xref\n0 " + QByteArray::number(size) + "\n0000000000 65535 f \n";
    for (int n = 1; n < size; ++n) {
        const auto at = offsets.find(n);
        if (at == offsets.end())
            out += "0000000000 65535 f \n";
        else
            out += QByteArray::number(at->second).rightJustified(10, '0') + " 00000 n \n";
    }
    out += "trailer\n<<\n/Size " + QByteArray::number(size) + "\n/Info " + QByteArray::number(first.info) +
           " 0 R\n/Root " + QByteArray::number(first.root) + " 0 R\n>>\nstartxref\n" + QByteArray::number(xref) +
           "\n%%EOF\n";
    return out;
}

} // namespace dravik::render
