#pragma once
// What a session sees of its connection: a socket on the loop, or bytes in memory in
// the tests and the fuzzer.
#include "server/OutFrame.h"

#include <string>
#include <string_view>

namespace server {

class Link {
public:
    virtual ~Link() = default;

    // Queues a frame; a peer whose queue is full is dropped instead.
    virtual void Send(OutFrame frame) = 0;
    // Closes the connection; the session hears of it later, never inside this call.
    virtual void Close(std::string_view why) = 0;
    // The peer's address, dotted decimal.
    virtual const std::string& Address() const = 0;
    // The peer logged in: from now on it may stay silent and send as much as it likes.
    virtual void LoggedIn() = 0;
};

} // namespace server
