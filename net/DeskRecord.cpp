#include "net/DeskRecord.h"

namespace net {

DeskRecord DeskRecord::Decode(const ByteReader& r)
{
    DeskRecord desk;
    for (size_t i = 0; i < desk.seats.size(); ++i)
        desk.seats[i] = SeatEntry::Decode(r.From(i * SeatEntry::kSize));
    desk.commonState = r.U8(120);
    desk.ladderState = r.U8(121);
    return desk;
}

void DeskRecord::Encode(ByteWriter w) const
{
    for (size_t i = 0; i < seats.size(); ++i)
        seats[i].Encode(w.From(i * SeatEntry::kSize));
    w.U8(120, commonState);
    w.U8(121, ladderState);
}

} // namespace net
