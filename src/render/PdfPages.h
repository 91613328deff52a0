#pragma once
#include "render/PdfPageWriter.h"

#include <QPainter>

#include <string>

class QTextDocument;

namespace dravik::render {

// The pages of laid-out documents one after the other in one PDF file, drawn as
// the preview and the printer draw them.
class PdfPages {
public:
    // The paper of the first document serves every page.
    explicit PdfPages(QTextDocument& first);
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    void add(QTextDocument& laidOut);
    // Writes the file; a failed write throws as saveFile does.
    void save(const std::string& path);

private:
    PdfPageWriter pdf_;
    QPainter painter_;
    bool started_ = false;
};

} // namespace dravik::render
