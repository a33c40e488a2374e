#pragma once
// One desk (124 bytes): three seats and two state bytes, one read by the common desk
// list and one by the challenge ladder.
#include "net/SeatEntry.h"

#include <array>

namespace net {

struct DeskRecord {
    static constexpr size_t kSize = 124;

    std::array<SeatEntry, 3> seats; // seat 1 (master), seat 2 (client), seat 3
    uint8_t commonState = 0;        // non-zero: a game runs (common desk list)
    uint8_t ladderState = 0;        // non-zero: a game runs (ladder state)

    static DeskRecord Decode(const ByteReader& r);
    void Encode(ByteWriter w) const;
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const DeskRecord&, const DeskRecord&) = default;
};

} // namespace net
