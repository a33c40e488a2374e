#pragma once
// Desk messages 43 (a player joined a waiting queue, with his seat entry), 44 (left
// it) and 63 (the own player waits): 0 level (2 or more), 1 place (1-5), 4 seat entry.
#include "net/SeatEntry.h"

namespace net {

struct QueueNotice {
    static constexpr size_t kSize = 4 + SeatEntry::kSize;

    uint8_t level = 0;
    uint8_t place = 0;
    SeatEntry entry;

    static QueueNotice Decode(const ByteReader& r) { return {r.U8(0), r.U8(1), SeatEntry::Decode(r.From(4))}; }
    void Encode(ByteWriter w) const
    {
        w.U8(0, level);
        w.U8(1, place);
        entry.Encode(w.From(4));
    }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const QueueNotice&, const QueueNotice&) = default;
};

} // namespace net
