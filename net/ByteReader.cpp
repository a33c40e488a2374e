#include "net/ByteReader.h"

#include <algorithm>

namespace net {

uint8_t ByteReader::U8(size_t offset) const
{
    return offset < bytes_.size() ? bytes_[offset] : 0;
}

uint16_t ByteReader::U16(size_t offset) const
{
    uint8_t b[2] = {};
    Copy(offset, b);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}

uint32_t ByteReader::U32(size_t offset) const
{
    uint8_t b[4] = {};
    Copy(offset, b);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

void ByteReader::Copy(size_t offset, std::span<uint8_t> out) const
{
    const std::span<const uint8_t> rest = From(offset).Bytes();
    const size_t n = std::min(rest.size(), out.size());
    std::copy_n(rest.begin(), n, out.begin());
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(n), out.end(), uint8_t{0});
}

ByteReader ByteReader::From(size_t offset) const
{
    return offset < bytes_.size() ? ByteReader(bytes_.subspan(offset)) : ByteReader();
}

} // namespace net
