#pragma once
// One request as a client sends it: the envelope's kind and target and the payload
// that followed it (a record on the lobby; a channel byte and its bytes on a room).
#include <cstdint>
#include <vector>

namespace server {

struct InFrame {
    uint32_t kind = 0;
    uint32_t target = 0;
    std::vector<uint8_t> payload;
};

} // namespace server
