#pragma once
// The bounded send queue of one connection. Everything queued goes out in one
// gathered write; a peer that stops reading fills the queue to its cap and is
// dropped, so nobody else ever waits for him.
#include "server/OutFrame.h"

#include <cstddef>
#include <vector>

namespace server {

struct SendLimits {
    size_t maxFrames = 64;
    size_t maxBytes = 256 * 1024;
};

class SendQueue {
public:
    explicit SendQueue(SendLimits limits) : limits_(limits) {}

    // False when the frame would pass the cap: the peer is not reading.
    bool Push(OutFrame frame);
    // Takes every queued frame for one gathered write (empty while a write is out).
    std::vector<OutFrame> TakeBatch();
    // The write of the batch ended.
    void BatchDone();
    bool Writing() const { return writing_; }
    bool Empty() const { return queued_.empty(); }
    size_t Frames() const { return queued_.size() + inFlight_; }
    size_t Bytes() const { return bytes_; }

private:
    SendLimits limits_;
    std::vector<OutFrame> queued_; // a vector: an idle connection holds no block for it
    size_t inFlight_ = 0;
    size_t inFlightBytes_ = 0;
    size_t bytes_ = 0;
    bool writing_ = false;
};

} // namespace server
