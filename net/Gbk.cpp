#include "net/Gbk.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace net {
namespace {

// Bytes of the UTF-8 character at `s` (of `left` bytes): its lead byte and the
// continuation bytes that follow it, so a broken sequence costs no good byte after it.
size_t Utf8CharLength(const char* s, size_t left)
{
    const auto lead = static_cast<unsigned char>(s[0]);
    const size_t expected = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    size_t n = 1;
    while (n < expected && n < left && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

size_t OneByte(const char*, size_t)
{
    return 1;
}

// Converts `in` from one encoding to another. A character that cannot be converted is
// replaced by `replacement` (in the target encoding); `skip` tells how many input bytes
// it spans.
std::string Convert(const char* to, const char* from, std::string_view in, std::string_view replacement,
                    size_t (*skip)(const char*, size_t))
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string out;
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char chunk[256];
    while (srcLeft > 0) {
        char* dst = chunk;
        size_t dstLeft = sizeof chunk;
        const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        const int error = errno;
        out.append(chunk, static_cast<size_t>(dst - chunk));
        if (rc == static_cast<size_t>(-1) && error != E2BIG) {
            out.append(replacement);
            const size_t n = skip(src, srcLeft);
            src += n;
            srcLeft -= n;
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

std::string Utf8ToGbk(std::string_view utf8)
{
    return Convert("GBK", "UTF-8", utf8, "?", Utf8CharLength);
}

std::string GbkToUtf8(std::string_view gbk)
{
    return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", OneByte);
}

size_t GbkLength(std::string_view utf8)
{
    return Utf8ToGbk(utf8).size();
}

} // namespace net
