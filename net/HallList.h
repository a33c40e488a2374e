#pragma once
// The data of lobby message 22: hall entries, each a hall record followed directly by
// its rooms, filling the data exactly.
#include "net/HallRecord.h"
#include "net/RoomRecord.h"

#include <vector>

namespace net {

struct HallEntry {
    HallRecord hall;
    std::vector<RoomRecord> rooms;
    friend bool operator==(const HallEntry&, const HallEntry&) = default;
};

struct HallList {
    std::vector<HallEntry> halls;

    // Reads halls while data remains. A hall whose room count reaches past the data
    // gets only the rooms that begin inside it: no room is made up from nothing.
    static HallList Decode(const ByteReader& data);
    // Each hall's room count is written from its rooms.
    void Encode(ByteWriter w) const;
    size_t Size() const;
    friend bool operator==(const HallList&, const HallList&) = default;
};

} // namespace net
