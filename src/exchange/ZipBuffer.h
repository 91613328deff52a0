// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of a zip package held in memory, as a workbook reader takes them.

#include <optional>
#include <string>

struct zip;

namespace dravik {

class ZipBuffer {
public:
    // Throws std::runtime_error with the reason when the bytes are no zip package.
    explicit ZipBuffer(const std::string& bytes);
    ~ZipBuffer();
    ZipBuffer(const ZipBuffer&) = delete;
    ZipBuffer& operator=(const ZipBuffer&) = delete;

    // The part's bytes; nothing when the package has no such part. Throws
    // std::runtime_error when the part is there but cannot be unpacked.
    std::optional<std::string> read(const std::string& name) const;

private:
    zip* zip_ = nullptr;
};

} // namespace dravik
