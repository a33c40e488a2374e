#pragma once
// The promises one connection keeps, all configurable from the command line.
#include "server/FloodGate.h"
#include "server/SendQueue.h"

#include <chrono>
#include <cstddef>
#include <string>

namespace server {

struct KeepAlive {
    int idleSeconds = 60;
    int intervalSeconds = 10;
    int probes = 6;
};

struct ConnectionLimits {
    SendLimits send;
    FloodLimits flood;
    // No complete valid request this long after connecting: closed.
    std::chrono::milliseconds requestDeadline{15'000};
    // A connection that made a valid request waits this long for its login (the user
    // may be retyping a refused password).
    std::chrono::milliseconds loginDeadline{600'000};
    size_t preLoginBytes = 4096;
    KeepAlive keepAlive;
    // Test hook: shrinks the kernel send buffer of accepted sockets (0 = leave it),
    // of those from one peer address only when that is set.
    int sendBufferBytes = 0;
    std::string sendBufferPeer;
};

} // namespace server
