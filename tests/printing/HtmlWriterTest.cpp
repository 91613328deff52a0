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
