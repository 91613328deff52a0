// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/HtmlWriter.h"

namespace dravik::printing {

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// The length of the well-formed UTF-8 sequence at text[i], or 0.
size_t utf8Length(std::string_view text, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > text.size())
        return 0;
    for (size_t k = 1; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and values above U+10FFFF are no UTF-8.
    if ((n == 2 && c < 0xC2) || (n == 3 && c == 0xE0 && byte(i + 1) < 0xA0) ||
        (n == 3 && c == 0xED && byte(i + 1) >= 0xA0) || (n == 4 && c == 0xF0 && byte(i + 1) < 0x90) ||
        (n == 4 && (c > 0xF4 || (c == 0xF4 && byte(i + 1) >= 0x90))))
        return 0;
    return n;
}

// Printable ASCII that is no markup: copied as it is, a run at a time.
bool plain(unsigned char c)
{
    return c >= 0x20 && c < 0x7F && c != '&' && c != '<' && c != '>' && c != '"' && c != '\'';
}

void appendCleaned(std::string& out, std::string_view text, bool references)
{
    for (size_t i = 0; i < text.size();) {
        size_t run = i;
        while (run < text.size() && plain(static_cast<unsigned char>(text[run])))
            ++run;
        if (run > i) {
            out.append(text.substr(i, run - i));
            i = run;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const size_t n = utf8Length(text, i);
        if (n == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        if (n > 1) {
            // C1 controls (U+0080 to U+009F) are no text either.
            if (!(n == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0))
                out.append(text.substr(i, n));
            i += n;
            continue;
        }
        if (!references && (c == '&' || c == '<' || c == '>' || c == '"' || c == '\'')) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            if ((c >= 0x20 && c != 0x7F) || c == '\t' || c == '\n')
                out += static_cast<char>(c);
            else if (c == '\r')
                out += '\n';
        }
        ++i;
    }
}

std::string cleaned(std::string_view text, bool references)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    appendCleaned(out, text, references);
    return out;
}

} // namespace

std::string escapeHtml(std::string_view text)
{
    return cleaned(text, true);
}

std::string cleanText(std::string_view text)
{
    return cleaned(text, false);
}

std::string dataUri(std::string_view type, std::string_view bytes)
{
    static const char* const digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out = "data:" + std::string(type) + ";base64,";
    out.reserve(out.size() + (bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 | static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
        out += {digits[v >> 18], digits[(v >> 12) & 63], digits[(v >> 6) & 63], digits[v & 63]};
    }
    if (i < bytes.size()) {
        const bool two = i + 1 < bytes.size();
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                           (two ? static_cast<unsigned char>(bytes[i + 1]) << 8 : 0);
        out += {digits[v >> 18], digits[(v >> 12) & 63], two ? digits[(v >> 6) & 63] : '=', '='};
    }
    return out;
}

std::string attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + escapeHtml(value) + "\"";
}

HtmlWriter& HtmlWriter::open(std::string_view tag, std::string_view attributes)
{
    html_ += '<';
    html_ += tag;
    html_ += attributes;
    html_ += '>';
    return *this;
}

HtmlWriter& HtmlWriter::close(std::string_view tag)
{
    html_ += "</";
    html_ += tag;
    html_ += '>';
    return *this;
}

HtmlWriter& HtmlWriter::element(std::string_view tag, std::string_view text, std::string_view attributes)
{
    return open(tag, attributes).text(text).close(tag);
}

HtmlWriter& HtmlWriter::text(std::string_view text)
{
    appendCleaned(html_, text, true);
    return *this;
}

HtmlWriter& HtmlWriter::raw(std::string_view markup)
{
    html_ += markup;
    return *this;
}

} // namespace dravik::printing
