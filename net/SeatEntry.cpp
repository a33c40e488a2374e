#include "net/SeatEntry.h"

namespace net {

SeatEntry SeatEntry::Decode(const ByteReader& r)
{
    return {PlayerRecord::Decode(r), r.U8(36), r.U8(39)};
}

void SeatEntry::Encode(ByteWriter w) const
{
    player.Encode(w);
    w.U8(36, occupied);
    w.U8(39, queueOccupied);
}

} // namespace net
