#include "net/PlayerRecord.h"

namespace net {

PlayerRecord PlayerRecord::Decode(const ByteReader& r)
{
    return {FixedText<20>::Decode(r), r.I32(20), r.I32(24)};
}

void PlayerRecord::Encode(ByteWriter w) const
{
    name.Encode(w);
    w.I32(20, tally);
    w.I32(24, points);
}

} // namespace net
