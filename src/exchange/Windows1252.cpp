// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/Windows1252.h"

#include <cerrno>
#include <clocale>
#include <cstdint>
#include <iconv.h>
#include <locale.h>
#include <stdexcept>

namespace dravik {

namespace {

// glibc transliterates by the tables of the thread's character locale, and
// the plain "C" locale has almost none: the conversion runs under C.UTF-8.
locale_t transliterationLocale()
{
    static const locale_t loc = [] {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"})
            if (locale_t l = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(0)))
                return l;
        return static_cast<locale_t>(0);
    }();
    return loc;
}

// The length of the UTF-8 sequence at the start of `s`; 1 for a byte that
// starts none, so a bad byte is passed alone.
size_t sequenceLength(std::string_view s)
{
    const auto lead = static_cast<std::uint8_t>(s[0]);
    const size_t n = lead >= 0xF0 && lead <= 0xF4  ? 4
                     : lead >= 0xE0 && lead < 0xF0 ? 3
                     : lead >= 0xC2 && lead < 0xE0 ? 2
                                                   : 1;
    if (n > s.size())
        return 1;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<std::uint8_t>(s[k]) & 0xC0) != 0x80)
            return 1;
    return n;
}

class Converter {
public:
    Converter() : cd_(iconv_open("WINDOWS-1252//TRANSLIT", "UTF-8"))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("Cannot convert text to Windows-1252: iconv has no such conversion.");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string convert(std::string_view utf8)
    {
        std::string out(utf8.size() + 16, '\0');
        size_t used = 0;
        while (!utf8.empty()) {
            char* in = const_cast<char*>(utf8.data());
            size_t inLeft = utf8.size();
            char* to = out.data() + used;
            size_t toLeft = out.size() - used;
            const size_t done = iconv(cd_, &in, &inLeft, &to, &toLeft);
            const int error = errno;
            used = static_cast<size_t>(to - out.data());
            utf8.remove_prefix(utf8.size() - inLeft);
            if (done != static_cast<size_t>(-1))
                break;
            if (error == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            // No near letter (EILSEQ) or a cut sequence (EINVAL): one "?" for it.
            if (used == out.size())
                out.resize(out.size() * 2);
            out[used++] = '?';
            utf8.remove_prefix(sequenceLength(utf8));
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t cd_;
};

bool isAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string toWindows1252(std::string_view utf8)
{
    if (isAscii(utf8))
        return std::string(utf8);
    const locale_t loc = transliterationLocale();
    const locale_t previous = loc ? uselocale(loc) : static_cast<locale_t>(0);
    struct Restore {
        locale_t previous;
        ~Restore()
        {
            if (previous)
                uselocale(previous);
        }
    } restore{previous};
    Converter converter;
    return converter.convert(utf8);
}

} // namespace dravik
