#include "net/DeskMessage.h"

#include "net/MsgIds.h"

#include <vector>

namespace net {

MsgRecord DeskMessage::Build(uint8_t deskId, std::span<const uint8_t> data)
{
    const MsgRecord inner = MsgRecord::Build(deskId, data);
    if (inner.Empty())
        return {};
    return MsgRecord::Build(RoomMsg::Desk, inner.Bytes());
}

} // namespace net
