#pragma once
// One room of a hall (52 bytes). Bytes 22-23 and 28-51 carry nothing the client reads
// and are sent as zeros.
#include "net/FixedText.h"

#include <cstdint>

namespace net {

struct RoomRecord {
    static constexpr size_t kSize = 52;

    FixedText<20> name;
    uint16_t roomId = 0;     // within the hall
    uint32_t roomNumber = 0; // the target of every message to this room

    static RoomRecord Decode(const ByteReader& r);
    void Encode(ByteWriter w) const;
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const RoomRecord&, const RoomRecord&) = default;
};

} // namespace net
