#include "server/OutFrame.h"

#include "net/ByteWriter.h"
#include "net/MsgRecord.h"

namespace server {

OutFrame MakeOutFrame(std::span<const uint8_t> record)
{
    auto bytes = std::make_shared<std::vector<uint8_t>>(4 + record.size());
    net::ByteWriter w(*bytes);
    w.U32(0, static_cast<uint32_t>(record.size()));
    w.Copy(4, record);
    return bytes;
}

OutFrame MakeOutFrame(const net::MsgRecord& record) { return MakeOutFrame(record.Bytes()); }

} // namespace server
