#pragma once
// One listening port: accepts, applies the per-address limit and starts a connection
// with the session the port serves.
#include "server/AddressLimiter.h"
#include "server/ConnectionLimits.h"
#include "server/EnvelopeReader.h"
#include "server/Link.h"
#include "server/Session.h"

#include <asio/ip/tcp.hpp>
#include <asio/steady_timer.hpp>

#include <functional>
#include <memory>
#include <string>

namespace server {

class Listener {
public:
    using MakeSession = std::function<std::unique_ptr<Session>(Link&)>;

    Listener(asio::io_context& io, const ConnectionLimits& limits, AddressLimiter& perAddress, EnvelopeRules rules,
             MakeSession make);

    // Binds and starts accepting; false with `error` set when the port is taken.
    bool Open(const std::string& host, uint16_t port, std::string& error);
    uint16_t Port() const;

private:
    void Accept();

    asio::ip::tcp::acceptor acceptor_;
    asio::steady_timer pause_; // after a failed accept (out of descriptors)
    const ConnectionLimits& limits_;
    AddressLimiter& perAddress_;
    EnvelopeRules rules_;
    MakeSession make_;
};

} // namespace server
