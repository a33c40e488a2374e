#pragma once
// Game message 35 of the find games: 0-3 the item number at positions 1 to 4 (the
// master's arrangement), 4 target position, 5 chosen position, 6 chances left.
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <array>
#include <cstdint>

namespace net {

struct FindTurnResult {
    static constexpr size_t kSize = 7;

    std::array<uint8_t, 4> items{};
    uint8_t target = 0;
    uint8_t chosen = 0;
    uint8_t chancesLeft = 0;

    static FindTurnResult Decode(const ByteReader& r)
    {
        return {{r.U8(0), r.U8(1), r.U8(2), r.U8(3)}, r.U8(4), r.U8(5), r.U8(6)};
    }
    void Encode(ByteWriter w) const
    {
        w.Copy(0, items);
        w.U8(4, target);
        w.U8(5, chosen);
        w.U8(6, chancesLeft);
    }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const FindTurnResult&, const FindTurnResult&) = default;
};

} // namespace net
