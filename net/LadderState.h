#pragma once
// A challenge ladder as desk message 2 carries it: D desk records, then Q seat
// entries of the waiting queues (D and Q from the ladder's levels).
#include "net/DeskRecord.h"
#include "net/Ladder.h"

#include <vector>

namespace net {

struct LadderState {
    int levels = 0;
    std::vector<DeskRecord> desks; // ladder desk g is desks[g - 1]
    std::vector<SeatEntry> queue;  // queue place q is queue[q - 1]

    // An empty state of `levels` levels: every desk and place present and zero.
    static LadderState Empty(int levels);
    static LadderState Decode(const ByteReader& r, int levels);
    void Encode(ByteWriter w) const;
    size_t Size() const { return desks.size() * DeskRecord::kSize + queue.size() * SeatEntry::kSize; }
    friend bool operator==(const LadderState&, const LadderState&) = default;
};

} // namespace net
