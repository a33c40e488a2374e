#pragma once
// One entry desk of a challenge room's desk list (2 bytes; byte 0 is not read).
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <cstdint>

namespace net {

struct EntryDeskEntry {
    static constexpr size_t kSize = 2;

    uint8_t state = 0; // non-zero: busy

    static EntryDeskEntry Decode(const ByteReader& r) { return {r.U8(1)}; }
    void Encode(ByteWriter w) const { w.U8(1, state); }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const EntryDeskEntry&, const EntryDeskEntry&) = default;
};

} // namespace net
