#pragma once
// One hall of the hall list (72 bytes); its room records follow it directly.
#include "net/FixedText.h"

#include <cstdint>

namespace net {

enum class GroundMode : uint8_t { Common = 1, Challenge = 2 };

struct HallRecord {
    static constexpr size_t kSize = 72;

    FixedText<20> name;
    uint8_t gameType = 0;   // common: mini-game 1-10; challenge: ladder kind 11-13
    FixedText<20> group;
    uint8_t groundMode = 0; // GroundMode; other values are kept as they came
    uint16_t hallNumber = 0;
    uint16_t roomCount = 0;
    FixedText<22> address;  // dotted IPv4 or host name of the room server
    uint32_t port = 0;

    static HallRecord Decode(const ByteReader& r);
    void Encode(ByteWriter w) const;
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const HallRecord&, const HallRecord&) = default;
};

} // namespace net
