// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "cli/Commands.h"
#include "support/TestMeeting.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace dravik::test {

using testing::HasSubstr;
using testing::ThrowsMessage;

// A suite of its own holding the demo meeting.
struct DemoSuite : TestMeeting {
    DemoSuite() : TestMeeting(true) {}
};

// The lines of a command's output.
inline std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// The tab-separated fields of one line.
inline std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        out.push_back(line.substr(start, tab - start));
    out.push_back(line.substr(start));
    return out;
}

} // namespace dravik::test
