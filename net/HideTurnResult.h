#pragma once
// Game message 35 of the hide-and-guess games: 0 hidden position (0 = none),
// 1 guessed position, 2 chances left.
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <cstdint>

namespace net {

struct HideTurnResult {
    static constexpr size_t kSize = 3;

    uint8_t hidden = 0;
    uint8_t guessed = 0;
    uint8_t chancesLeft = 0;

    static HideTurnResult Decode(const ByteReader& r) { return {r.U8(0), r.U8(1), r.U8(2)}; }
    void Encode(ByteWriter w) const
    {
        w.U8(0, hidden);
        w.U8(1, guessed);
        w.U8(2, chancesLeft);
    }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const HideTurnResult&, const HideTurnResult&) = default;
};

} // namespace net
