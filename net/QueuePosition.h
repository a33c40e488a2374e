#pragma once
// The place of the own player in a waiting queue, as desk message 7 (leaving the
// challenge) carries it: join tag, level, queue place.
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <cstdint>

namespace net {

struct QueuePosition {
    static constexpr size_t kSize = 3;

    uint8_t joinTag = 0;
    uint8_t level = 0;
    uint8_t place = 0;

    static QueuePosition Decode(const ByteReader& r) { return {r.U8(0), r.U8(1), r.U8(2)}; }
    void Encode(ByteWriter w) const
    {
        w.U8(0, joinTag);
        w.U8(1, level);
        w.U8(2, place);
    }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const QueuePosition&, const QueuePosition&) = default;
};

} // namespace net
