#include "net/HallRecord.h"

namespace net {

HallRecord HallRecord::Decode(const ByteReader& r)
{
    HallRecord h;
    h.name = FixedText<20>::Decode(r);
    h.gameType = r.U8(20);
    h.group = FixedText<20>::Decode(r.From(21));
    h.groundMode = r.U8(41);
    h.hallNumber = r.U16(42);
    h.roomCount = r.U16(44);
    h.address = FixedText<22>::Decode(r.From(46));
    h.port = r.U32(68);
    return h;
}

void HallRecord::Encode(ByteWriter w) const
{
    name.Encode(w);
    w.U8(20, gameType);
    group.Encode(w.From(21));
    w.U8(41, groundMode);
    w.U16(42, hallNumber);
    w.U16(44, roomCount);
    address.Encode(w.From(46));
    w.U32(68, port);
}

} // namespace net
