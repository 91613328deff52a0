// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ZipBuffer.h"

#include <zip.h>

#include <memory>
#include <stdexcept>

namespace dravik {

ZipBuffer::ZipBuffer(const std::string& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    // The buffer is not copied: it outlives the package, which only reads it.
    zip_source_t* src = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (src)
        zip_ = zip_open_from_source(src, ZIP_RDONLY, &error);
    std::string reason = zip_error_strerror(&error);
    zip_error_fini(&error);
    if (!zip_) {
        if (src)
            zip_source_free(src);
        throw std::runtime_error(reason);
    }
}

ZipBuffer::~ZipBuffer()
{
    zip_discard(zip_);
}

std::optional<std::string> ZipBuffer::read(const std::string& name) const
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(zip_, name.c_str(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
        return std::nullopt;
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> f(zip_fopen(zip_, name.c_str(), 0), zip_fclose);
    if (!f)
        throw std::runtime_error("its part " + name + " cannot be unpacked (" + zip_strerror(zip_) + ")");
    std::string data(static_cast<size_t>(st.size), '\0');
    zip_int64_t got = zip_fread(f.get(), data.data(), data.size());
    if (got < 0 || static_cast<zip_uint64_t>(got) != st.size)
        throw std::runtime_error("its part " + name + " is damaged");
    return data;
}

} // namespace dravik
