#pragma once
// Small helpers of the wire tests: byte vectors written the way the layouts read.
#include "net/MsgRecord.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace net::test {

using Bytes = std::vector<uint8_t>;

inline void AppendU32(Bytes& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// One incoming frame: u32 L, then the record.
inline Bytes Frame(const MsgRecord& record)
{
    Bytes b;
    AppendU32(b, static_cast<uint32_t>(record.Size()));
    b.insert(b.end(), record.Bytes().begin(), record.Bytes().end());
    return b;
}

inline Bytes ToBytes(std::span<const uint8_t> s) { return Bytes(s.begin(), s.end()); }

// A record whose data bytes count up from `seed`, so a misplaced byte shows.
inline MsgRecord Numbered(uint8_t id, size_t dataLength, uint8_t seed)
{
    Bytes data(dataLength);
    for (size_t i = 0; i < dataLength; ++i)
        data[i] = static_cast<uint8_t>(seed + i * 7);
    return MsgRecord::Build(id, data);
}

} // namespace net::test
