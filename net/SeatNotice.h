#pragma once
// Room messages 41 (a player took a seat, with his seat entry) and 42 (a seat was
// freed) of a common room: 0 desk, 2 seat, 4 seat entry.
#include "net/SeatEntry.h"

namespace net {

struct SeatNotice {
    static constexpr size_t kSize = 4 + SeatEntry::kSize;

    uint8_t desk = 0;
    uint8_t seat = 0;
    SeatEntry entry;

    static SeatNotice Decode(const ByteReader& r) { return {r.U8(0), r.U8(2), SeatEntry::Decode(r.From(4))}; }
    void Encode(ByteWriter w) const
    {
        w.U8(0, desk);
        w.U8(2, seat);
        entry.Encode(w.From(4));
    }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const SeatNotice&, const SeatNotice&) = default;
};

} // namespace net
