#pragma once
// The bounded send queue of one connection: what the kernel has not taken yet.
// Everything that waits goes out in one gathered write; a peer that stops reading
// fills the kernel's buffer and then this queue to its cap and is dropped, so nobody
// else ever waits for him.
#include "server/OutFrame.h"

#include <asio/buffer.hpp>

#include <cstddef>
#include <span>
#include <vector>

namespace server {

struct SendLimits {
    size_t maxFrames = 64;
    size_t maxBytes = 256 * 1024;
};

class SendQueue {
public:
    explicit SendQueue(SendLimits limits) : limits_(limits) {}

    // False when the frame would pass the cap.
    bool Push(const OutFrame& frame);
    // Fills `out` with what waits, oldest first, from where the last write stopped;
    // the number of pieces filled.
    size_t Pending(std::span<asio::const_buffer> out) const;
    // The kernel took `n` more bytes.
    void Consume(size_t n);
    bool Empty() const { return queued_.empty(); }
    size_t Frames() const { return queued_.size(); }
    size_t Bytes() const { return bytes_; }

private:
    SendLimits limits_;
    std::vector<OutFrame> queued_; // a vector: an idle connection holds no block for it
    size_t sentOfFirst_ = 0;       // a write may stop inside a frame
    size_t bytes_ = 0;             // not yet taken by the kernel
};

} // namespace server
