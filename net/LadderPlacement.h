#pragma once
// Desk message 61, the own player placed at a ladder desk: 0 level, 1 desk of that
// level, 2 seat, 44 the desk record of that ladder desk.
#include "net/DeskRecord.h"

namespace net {

struct LadderPlacement {
    static constexpr size_t kDeskOffset = 44;
    static constexpr size_t kSize = kDeskOffset + DeskRecord::kSize;

    uint8_t level = 0;
    uint8_t desk = 0;
    uint8_t seat = 0;
    DeskRecord record;

    static LadderPlacement Decode(const ByteReader& r)
    {
        return {r.U8(0), r.U8(1), r.U8(2), DeskRecord::Decode(r.From(kDeskOffset))};
    }
    void Encode(ByteWriter w) const
    {
        w.U8(0, level);
        w.U8(1, desk);
        w.U8(2, seat);
        record.Encode(w.From(kDeskOffset));
    }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const LadderPlacement&, const LadderPlacement&) = default;
};

} // namespace net
