#pragma once
#include <QByteArray>

#include <vector>

class QTextDocument;

namespace dravik::render {

// The pages of a laid-out document as the bytes of a PDF file.
QByteArray pdfBytes(QTextDocument& laidOut);

// One PDF of the pages of the given PDFs, in order. The parts are PDFs this program
// wrote (pdfBytes): a classic cross-reference table, one page tree. Each part keeps
// its own objects (fonts, pictures), renumbered after those of the parts before it.
// Throws std::runtime_error when a part is not laid out as expected.
QByteArray joinPdfs(const std::vector<QByteArray>& parts);

} // namespace dravik::render
