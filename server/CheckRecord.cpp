#include "server/CheckRecord.h"

namespace server {

std::optional<net::RecordView> CheckRecord(std::span<const uint8_t> bytes)
{
    const net::ByteReader r(bytes);
    if (bytes.size() < net::kRecordHeaderSize || net::kRecordHeaderSize + r.U16(2) != bytes.size())
        return std::nullopt;
    return net::RecordView(r);
}

} // namespace server
