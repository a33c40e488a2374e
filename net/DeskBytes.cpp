#include "net/DeskBytes.h"

#include <limits>

namespace net {

std::vector<uint8_t> DeskBytes::Build(uint8_t desk, uint8_t subChannel, std::span<const uint8_t> record)
{
    if (record.size() + 2 > std::numeric_limits<uint16_t>::max())
        return {};
    std::vector<uint8_t> bytes(record.size() + 2);
    ByteWriter w(bytes);
    w.U8(0, desk);
    w.U8(1, subChannel);
    w.Copy(2, record);
    return bytes;
}

} // namespace net
