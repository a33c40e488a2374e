#include "net/Gbk.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace net {
namespace {

// Bytes of the UTF-8 character that starts with `lead`.
size_t Utf8CharLength(unsigned char lead)
{
    return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Converts `in` from one encoding to another. A character that cannot be converted is
// replaced by `replacement` (in the target encoding); `skip` tells how many input bytes
// it spans, from its first byte.
std::string Convert(const char* to, const char* from, std::string_view in, std::string_view replacement,
                    size_t (*skip)(unsigned char))
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
            const size_t n = std::min(skip(static_cast<unsigned char>(*src)), srcLeft);
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
    return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", [](unsigned char) -> size_t { return 1; });
}

size_t GbkLength(std::string_view utf8)
{
    return Utf8ToGbk(utf8).size();
}

} // namespace net
