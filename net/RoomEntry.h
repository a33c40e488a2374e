#pragma once
// Everything a room window needs to open its room: copies of the fields of a hall
// record and one of its room records.
#include "net/FixedText.h"

#include <cstdint>

namespace net {

struct HallRecord;
struct RoomRecord;

struct RoomEntry {
    uint8_t gameType = 0;
    uint8_t groundMode = 0;
    uint16_t hallNumber = 0;
    uint16_t roomId = 0;
    FixedText<22> address;
    uint32_t port = 0;
    FixedText<20> roomName;
    uint32_t roomNumber = 0;

    static RoomEntry From(const HallRecord& hall, const RoomRecord& room);
    friend bool operator==(const RoomEntry&, const RoomEntry&) = default;
};

} // namespace net
