#pragma once
// Reassembles the frames of one room connection across receives, and paces their
// delivery: a run that starts between frames pauses 100 ms before delivering each
// complete frame and after storing a partial one; a run that starts inside a frame
// pauses 300 ms once, before receiving, and not per frame. A length prefix cut by
// the end of a receive is carried over, so no frame is lost.
#include "net/MsgRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace net {

class RoomReassembler {
public:
    using RecordSink = std::function<void(MsgRecord)>;
    using PauseSink = std::function<void(uint32_t ms)>;
    // Fills the buffer with at most its size in bytes; the count, or 0 / -1.
    using Receive = std::function<int(std::span<uint8_t>)>;

    static constexpr size_t kReceiveSize = 102400;
    static constexpr uint32_t kInFramePause = 300;
    static constexpr uint32_t kFramePause = 100;

    RoomReassembler(RecordSink deliver, PauseSink pause);

    // One receive notification. False when the stream is broken (a length no record
    // can have): nothing after it was read and the caller treats the connection as
    // closed by the peer. A receive of 0 bytes or an error yields no frame.
    bool OnReceive(const Receive& receive);

    // True while a frame (or its length prefix) is incomplete.
    bool InFrame() const { return prefixFilled_ != 0 || !frame_.Empty(); }

private:
    bool Consume(std::span<const uint8_t> bytes, bool paced);

    RecordSink deliver_;
    PauseSink pause_;
    std::unique_ptr<uint8_t[]> buffer_;
    std::array<uint8_t, 4> prefix_{};
    size_t prefixFilled_ = 0;
    MsgRecord frame_;
    size_t filled_ = 0;
};

} // namespace net
