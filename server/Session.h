#pragma once
// The conversation on one connection: the lobby's or a room service's.
#include "server/EnvelopeReader.h"
#include "server/InFrame.h"

namespace server {

class Session {
public:
    virtual ~Session() = default;

    // Chat lines and desk or game messages pass the flood gate.
    virtual bool Throttled(const InFrame& frame) const = 0;
    // False when the request is malformed: the connection is closed.
    virtual bool OnFrame(const InFrame& frame) = 0;
    // The connection is gone: leave rooms, free seats, end the lobby session.
    virtual void OnClosed() = 0;
};

} // namespace server
