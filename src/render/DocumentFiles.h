// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printout files, for callers that need no Qt of their own (the dravik tool).
#include "printing/Document.h"

#include <memory>
#include <string>

class QGuiApplication;

namespace dravik::render {

// Text layout needs a QGuiApplication for its fonts. While a GuiSession lives the
// process has one: it makes one when there is none (on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise, so a command run without a display works) and
// leaves an existing one alone. Throws std::runtime_error when the process has a
// non-GUI QCoreApplication.
class GuiSession {
public:
    GuiSession();
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
};

// Writes the pages as a PDF file (A4). A failed write throws std::runtime_error naming
// the path and what is wrong; an existing file is only replaced once the new one is
// complete.
void writePdf(const printing::Document& doc, const std::string& path);

// Writes the document as OpenDocument text (.odt), the file the word processor opens,
// laid out as the pages print: the same sheets, A4 in the document's orientation with
// its margins, the font size chosen, tables with their header row repeated on every
// page, tab columns, page breaks and pictures. Failures throw as writePdf does.
void writeOdt(const printing::Document& doc, const std::string& path);

} // namespace dravik::render
