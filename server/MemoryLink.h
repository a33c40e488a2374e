#pragma once
// A connection in memory: keeps what the session sends and whether it was closed.
// Sessions are driven through it by the fuzzer and by tests, without sockets.
#include "server/Link.h"

#include <string>
#include <vector>

namespace server {

class MemoryLink : public Link {
public:
    explicit MemoryLink(std::string address) : address_(std::move(address)) {}

    void Send(OutFrame frame) override
    {
        if (!closed)
            sent.push_back(std::move(frame));
    }
    void Close(std::string_view why) override
    {
        closed = true;
        reason = why;
    }
    const std::string& Address() const override { return address_; }
    void LoggedIn() override { loggedIn = true; }

    std::vector<OutFrame> sent;
    bool closed = false;
    bool loggedIn = false;
    std::string reason;

private:
    std::string address_;
};

} // namespace server
