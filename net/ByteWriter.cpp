#include "net/ByteWriter.h"

#include <algorithm>

namespace net {

void ByteWriter::U8(size_t offset, uint8_t v)
{
    if (offset < bytes_.size())
        bytes_[offset] = v;
}

void ByteWriter::U16(size_t offset, uint16_t v)
{
    const uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
    Copy(offset, b);
}

void ByteWriter::U32(size_t offset, uint32_t v)
{
    const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    Copy(offset, b);
}

void ByteWriter::Copy(size_t offset, std::span<const uint8_t> data)
{
    if (offset >= bytes_.size())
        return;
    const size_t n = std::min(bytes_.size() - offset, data.size());
    std::copy_n(data.begin(), n, bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
}

ByteWriter ByteWriter::From(size_t offset) const
{
    return offset < bytes_.size() ? ByteWriter(bytes_.subspan(offset)) : ByteWriter({});
}

} // namespace net
