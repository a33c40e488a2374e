#pragma once
// A player as the lobby knows him (28 bytes): name, tally, points.
#include "net/FixedText.h"

#include <cstdint>

namespace net {

struct PlayerRecord {
    static constexpr size_t kSize = 28;

    FixedText<20> name;
    int32_t tally = 0;
    int32_t points = 0;

    static PlayerRecord Decode(const ByteReader& r);
    void Encode(ByteWriter w) const;
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const PlayerRecord&, const PlayerRecord&) = default;
};

} // namespace net
