#pragma once
// Flood control of one connection: chat lines and desk or game messages pass in a
// burst, then at a steady rate (a token bucket). A request beyond the rate waits its
// turn instead of being lost; whatever arrives behind it waits too, so the order of a
// connection's requests never changes. Too many waiting requests mean a flood.
// Time comes from the caller, so the rules are tested on any clock.
#include "server/InFrame.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <vector>

namespace server {

struct FloodLimits {
    double burst = 5;
    double perSecond = 2;
    size_t maxWaiting = 20; // this many waiting requests close the connection
};

class FloodGate {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    FloodGate(FloodLimits limits, TimePoint start);

    // Queues one request; false when the queue reached its limit (a flood).
    bool Offer(InFrame frame, bool throttled, TimePoint now);
    // The requests whose turn has come, in arrival order.
    std::vector<InFrame> Release(TimePoint now);
    // When the first waiting request may pass; empty when nothing waits.
    std::optional<TimePoint> NextRelease() const;
    size_t Waiting() const { return waiting_.size(); }

private:
    struct Held {
        InFrame frame;
        bool throttled;
    };
    void Refill(TimePoint now);

    FloodLimits limits_;
    double tokens_;
    TimePoint refilled_;
    std::vector<Held> waiting_; // at most a few; a vector holds no block while empty
};

} // namespace server
