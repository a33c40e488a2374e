#pragma once
// Splits one lobby receive into records. The lobby connection has no reassembly:
// every receive must hold whole frames, and nothing survives from one run to the next.
#include "net/MsgRecord.h"

#include <span>
#include <vector>

namespace net {

// What the main dialog shows when a lobby frame is cut by the end of a receive.
inline constexpr char kLobbyFrameCutText[] = "这问题大了，算法重新考虑,可以把缓冲区放大";

class LobbySplitter {
public:
    enum class Outcome {
        Whole,  // every byte formed whole frames
        Cut,    // a frame was cut: it and the rest of the receive are dropped
        Broken, // a length no record can have: the caller drops the connection
    };
    struct Result {
        std::vector<MsgRecord> records; // the frames before any cut, in order
        Outcome outcome = Outcome::Whole;
    };

    static constexpr size_t kReceiveSize = 102400;

    // An empty receive (0 bytes or an error) yields no frame.
    static Result Split(std::span<const uint8_t> received);
};

} // namespace net
