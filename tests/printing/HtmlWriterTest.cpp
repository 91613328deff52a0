// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/HtmlWriter.h"

#include <gtest/gtest.h>

using namespace dravik;

// Pictures go into the page as data addresses; a browser decodes every byte,
// the last one or two of an odd length included.
TEST(HtmlWriter, PicturesAreEncodedByteForByte)
{
    const struct {
        std::string bytes;
        std::string encoded;
    } cases[] = {
        {"", ""},
        {"M", "TQ=="},
        {"Ma", "TWE="},
        {"Man", "TWFu"},
        {"\xff\xfe\xfd\xfc", "//79/A=="},
        {"\xfb\xff", "+/8="},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printing::dataUri("image/png", c.bytes), "data:image/png;base64," + c.encoded) << c.encoded;
}

// Names reach the page as the browser should show them: markup characters as
// references, every well-formed character kept at the edges of each UTF-8
// range, and bytes that are no text as the replacement character.
TEST(HtmlWriter, TextKeepsEveryCharacterAndReplacesBytesThatAreNone)
{
    const std::string bad = "\xEF\xBF\xBD";
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"<b>&\"'", "&lt;b&gt;&amp;&quot;&#39;"},
        {"a\tb\r\nc\x01\x7F", "a\tb\n\nc"},          // tabs and line ends stay, other controls go
        {"a\xC2\xA0z", "a\xC2\xA0z"},                // no-break space, the first two-byte text
        {"\xC2\x9F", ""},                            // a C1 control
        {"\xC1\xBF", bad + bad},                     // overlong
        {"\xE0\xA0\x80", "\xE0\xA0\x80"},            // the first three-byte character
        {"\xE0\x9F\xBF", bad + bad + bad},           // overlong
        {"\xED\x9F\xBF", "\xED\x9F\xBF"},            // the last below the surrogates
        {"\xED\xA0\x80", bad + bad + bad},           // a surrogate
        {"\xF0\x90\x80\x80", "\xF0\x90\x80\x80"},    // the first four-byte character
        {"\xF0\x8F\xBF\xBF", bad + bad + bad + bad}, // overlong
        {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},    // U+10FFFF
        {"\xF4\x90\x80\x80", bad + bad + bad + bad}, // above U+10FFFF
        {"\xE2\x82", bad + bad},                     // cut short
    };
    for (const auto& c : cases)
        EXPECT_EQ(printing::escapeHtml(c.text), c.shown) << c.shown;
    // A character cut short at the end of the text is not completed from what follows it.
    EXPECT_EQ(printing::escapeHtml(std::string_view("\xE2\x82\xAC").substr(0, 2)), bad + bad);
}
