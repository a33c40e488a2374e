#include "net/LoginRequest.h"

namespace net {

LoginRequest LoginRequest::Decode(const ByteReader& r)
{
    return {FixedText<20>::Decode(r), FixedText<20>::Decode(r.From(20)), FixedText<20>::Decode(r.From(40))};
}

void LoginRequest::Encode(ByteWriter w) const
{
    name.Encode(w);
    password.Encode(w.From(20));
    address.Encode(w.From(40));
    w.U8(60, 1);
}

} // namespace net
