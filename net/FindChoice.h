#pragma once
// Game message 31 of the find games, the master's arrangement: 0 target position
// (1-4), 1-4 the item number at positions 1 to 4.
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <array>
#include <cstdint>

namespace net {

struct FindChoice {
    static constexpr size_t kSize = 5;

    uint8_t target = 0;
    std::array<uint8_t, 4> items{};

    static FindChoice Decode(const ByteReader& r)
    {
        return {r.U8(0), {r.U8(1), r.U8(2), r.U8(3), r.U8(4)}};
    }
    void Encode(ByteWriter w) const
    {
        w.U8(0, target);
        w.Copy(1, items);
    }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const FindChoice&, const FindChoice&) = default;
};

} // namespace net
