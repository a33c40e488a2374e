#pragma once
// Game message 10, the bout is over: 0 master won, 1 client won (1 = won), 2 unused.
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <cstdint>

namespace net {

struct BoutResult {
    static constexpr size_t kSize = 3;

    uint8_t masterWon = 0;
    uint8_t clientWon = 0;

    static BoutResult Decode(const ByteReader& r) { return {r.U8(0), r.U8(1)}; }
    void Encode(ByteWriter w) const
    {
        w.U8(0, masterWon);
        w.U8(1, clientWon);
    }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const BoutResult&, const BoutResult&) = default;
};

} // namespace net
