#include "net/RoomRecord.h"

namespace net {

RoomRecord RoomRecord::Decode(const ByteReader& r)
{
    return {FixedText<20>::Decode(r), r.U16(20), r.U32(24)};
}

void RoomRecord::Encode(ByteWriter w) const
{
    name.Encode(w);
    w.U16(20, roomId);
    w.U32(24, roomNumber);
}

} // namespace net
