// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Timing shared by the ratio benchmarks.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

namespace dravik::bench {

// Milliseconds one call of f takes.
inline double timed(const std::function<void()>& f)
{
    auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// Runs baseline and subject by turns and keeps the best time of each, so that
// load from other processes touches both alike.
inline std::pair<double, double> bestOfPairs(int runs, const std::function<void()>& baseline,
                                             const std::function<void()>& subject)
{
    double b = 1e30, s = 1e30;
    for (int i = 0; i < runs; ++i) {
        b = std::min(b, timed(baseline));
        s = std::min(s, timed(subject));
    }
    return {b, s};
}

// A new folder under the system's temporary folder, named from the pattern
// (its trailing XXXXXX made unique). Throws when it cannot be made.
inline std::string makeTempFolder(const std::string& pattern)
{
    std::string path = (std::filesystem::temp_directory_path() / pattern).string();
    if (!mkdtemp(path.data()))
        throw std::runtime_error("cannot make a folder like " + path);
    return path;
}

} // namespace dravik::bench
