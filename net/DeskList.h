#pragma once
// The data of room message 32: one entry per desk of the room, in the layout of the
// room's ground mode (desk records in a common room, entry-desk entries in a
// challenge room).
#include "net/DeskRecord.h"
#include "net/EntryDeskEntry.h"

#include <vector>

namespace net {

inline constexpr size_t kRoomDeskCount = 100;

struct DeskList {
    // Always kRoomDeskCount entries; desk i + 1 is entry i.
    static std::vector<DeskRecord> DecodeCommon(const ByteReader& data);
    static std::vector<EntryDeskEntry> DecodeChallenge(const ByteReader& data);
    // Writes kRoomDeskCount entries; missing ones are zero.
    static std::vector<uint8_t> EncodeCommon(const std::vector<DeskRecord>& desks);
    static std::vector<uint8_t> EncodeChallenge(const std::vector<EntryDeskEntry>& desks);
};

} // namespace net
