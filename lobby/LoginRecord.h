#pragma once
// What the login dialog hands to the main dialog for one login attempt. Each text
// holds at most 20 GBK bytes; a text of exactly 20 bytes fills its field whole.
#include "net/FixedText.h"

#include <cstdint>

struct LoginRecord {
    net::FixedText<20> name;
    net::FixedText<20> password;
    net::FixedText<20> address;
    uint32_t port = 0;
};
