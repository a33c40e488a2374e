#pragma once
// The place of the own player at a ladder desk, as his desk messages 6, 9, 22 and 25
// carry it: join tag, level, desk of that level, seat.
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <cstdint>

namespace net {

struct LadderPosition {
    static constexpr size_t kSize = 4;

    uint8_t joinTag = 0;
    uint8_t level = 0;
    uint8_t desk = 0;
    uint8_t seat = 0;

    static LadderPosition Decode(const ByteReader& r) { return {r.U8(0), r.U8(1), r.U8(2), r.U8(3)}; }
    void Encode(ByteWriter w) const
    {
        w.U8(0, joinTag);
        w.U8(1, level);
        w.U8(2, desk);
        w.U8(3, seat);
    }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const LadderPosition&, const LadderPosition&) = default;
};

} // namespace net
