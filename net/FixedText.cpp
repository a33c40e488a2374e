#include "net/FixedText.h"

namespace net {

size_t GbkFit(std::string_view gbk, size_t width)
{
    // A byte from 0x81 to 0xFE leads a two-byte character; keep such pairs whole.
    size_t n = 0;
    while (n < gbk.size()) {
        const auto lead = static_cast<uint8_t>(gbk[n]);
        const size_t step = (lead >= 0x81 && lead <= 0xFE && n + 1 < gbk.size()) ? 2 : 1;
        if (n + step > width)
            break;
        n += step;
    }
    return n;
}

} // namespace net
