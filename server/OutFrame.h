#pragma once
// One frame to a client, u32 L | the L bytes of a record, built once and shared by
// every connection it is sent to (a room's fan-out copies nothing).
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace net {
class MsgRecord;
}

namespace server {

using OutFrame = std::shared_ptr<const std::vector<uint8_t>>;

OutFrame MakeOutFrame(std::span<const uint8_t> record);
OutFrame MakeOutFrame(const net::MsgRecord& record);

} // namespace server
