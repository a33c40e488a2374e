#pragma once
// One seat of a desk, or one place of a challenge waiting queue (40 bytes).
#include "net/PlayerRecord.h"

namespace net {

struct SeatEntry {
    static constexpr size_t kSize = 40;

    PlayerRecord player;
    uint8_t occupied = 0;      // desk seat: non-zero when a player sits there
    uint8_t queueOccupied = 0; // waiting-queue place

    static SeatEntry Decode(const ByteReader& r);
    void Encode(ByteWriter w) const;
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const SeatEntry&, const SeatEntry&) = default;
};

} // namespace net
