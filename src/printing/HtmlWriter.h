// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <utility>

namespace dravik::printing {

// Text as HTML shows it and runs nothing: & < > " ' become character references,
// control characters (other than tab and line feed) are left out, and bytes that
// are no UTF-8 become U+FFFD, so text from any table gives well-formed HTML.
std::string escapeHtml(std::string_view text);

// The same text with only the control characters left out and bytes that are no
// UTF-8 made U+FFFD: for files other than HTML.
std::string cleanText(std::string_view text);

// bytes as a data: address of the given type ("image/png"), for a page that
// fetches nothing.
std::string dataUri(std::string_view type, std::string_view bytes);

// Builds an HTML text: elements opened and closed in order, text always escaped.
class HtmlWriter {
public:
    // <tag attributes>: `attributes` is written as given (built with attribute()).
    HtmlWriter& open(std::string_view tag, std::string_view attributes = {});
    HtmlWriter& close(std::string_view tag);
    // <tag attributes>text</tag>
    HtmlWriter& element(std::string_view tag, std::string_view text, std::string_view attributes = {});
    HtmlWriter& text(std::string_view text);
    // Markup written as it is: only for the page's own fixed texts.
    HtmlWriter& raw(std::string_view markup);

    const std::string& html() const { return html_; }
    void reserve(size_t bytes) { html_.reserve(bytes); }
    // The text built, handed over; the writer is empty after.
    std::string take() { return std::move(html_); }

private:
    std::string html_;
};

// ` name="value"` with the value escaped.
std::string attribute(std::string_view name, std::string_view value);

} // namespace dravik::printing
