#pragma once
// The data of lobby request 11 (61 bytes): name, password, own address, a 1.
#include "net/FixedText.h"

namespace net {

struct LoginRequest {
    static constexpr size_t kSize = 61;

    FixedText<20> name;
    FixedText<20> password;
    FixedText<20> address; // the client computer's IPv4 address, dotted decimal

    static LoginRequest Decode(const ByteReader& r);
    void Encode(ByteWriter w) const;
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const LoginRequest&, const LoginRequest&) = default;
};

} // namespace net
