#pragma once
// One player of a room (36 bytes): his player record and the key by which the room
// server names him in this room.
#include "net/PlayerRecord.h"

#include <vector>

namespace net {

struct PlayerEntry {
    static constexpr size_t kSize = 36;

    PlayerRecord player;
    uint16_t key = 0;

    static PlayerEntry Decode(const ByteReader& r);
    void Encode(ByteWriter w) const;
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const PlayerEntry&, const PlayerEntry&) = default;

    // The data of room message 22: data length / 36 entries; a trailing part is ignored.
    static std::vector<PlayerEntry> DecodeList(const ByteReader& data);
    static std::vector<uint8_t> EncodeList(const std::vector<PlayerEntry>& entries);
};

} // namespace net
