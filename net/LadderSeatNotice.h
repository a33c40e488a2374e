#pragma once
// Desk messages 41 (a ladder seat was taken, with the seat entry) and 42 (freed):
// 0 level, 1 desk of that level, 2 seat, 4 seat entry.
#include "net/SeatEntry.h"

namespace net {

struct LadderSeatNotice {
    static constexpr size_t kSize = 4 + SeatEntry::kSize;

    uint8_t level = 0;
    uint8_t desk = 0;
    uint8_t seat = 0;
    SeatEntry entry;

    static LadderSeatNotice Decode(const ByteReader& r)
    {
        return {r.U8(0), r.U8(1), r.U8(2), SeatEntry::Decode(r.From(4))};
    }
    void Encode(ByteWriter w) const
    {
        w.U8(0, level);
        w.U8(1, desk);
        w.U8(2, seat);
        entry.Encode(w.From(4));
    }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const LadderSeatNotice&, const LadderSeatNotice&) = default;
};

} // namespace net
