#pragma once
// Desk message 2 of a challenge room: 0 the join tag, 1 the ladder state.
#include "net/LadderState.h"

namespace net {

struct ChallengeJoined {
    uint8_t joinTag = 0; // sent back unchanged in the player's own ladder messages
    LadderState ladder;

    static ChallengeJoined Decode(const ByteReader& r, int levels)
    {
        return {r.U8(0), LadderState::Decode(r.From(1), levels)};
    }
    void Encode(ByteWriter w) const
    {
        w.U8(0, joinTag);
        ladder.Encode(w.From(1));
    }
    size_t Size() const { return 1 + ladder.Size(); }
    friend bool operator==(const ChallengeJoined&, const ChallengeJoined&) = default;
};

} // namespace net
