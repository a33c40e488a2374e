#pragma once
// One accepted TCP connection on the loop: reads requests through the envelope reader
// and the flood gate into its session, writes through the bounded send queue in
// gathered writes, keeps the pre-login deadlines and guards every handler, so an
// exception or a malformed request closes this connection and nothing else.
#include "server/ConnectionLimits.h"
#include "server/EnvelopeReader.h"
#include "server/FloodGate.h"
#include "server/Link.h"
#include "server/SendQueue.h"
#include "server/Session.h"

#include <asio/ip/tcp.hpp>
#include <asio/steady_timer.hpp>

#include <functional>
#include <memory>
#include <string>

namespace server {

class Connection : public Link, public std::enable_shared_from_this<Connection> {
public:
    using Gone = std::function<void()>;

    Connection(asio::ip::tcp::socket socket, const ConnectionLimits& limits, EnvelopeRules rules, Gone gone);

    // Starts reading; `session` talks through this connection.
    void Start(std::unique_ptr<Session> session);

    void Send(OutFrame frame) override;
    void Close(std::string_view why) override;
    const std::string& Address() const override { return address_; }
    void LoggedIn() override;

private:
    void Read();
    // Runs `next` once the socket is ready for `what`; a failed wait closes.
    void WaitThen(asio::socket_base::wait_type what, void (Connection::*next)());
    void OnBytes(std::span<const uint8_t> bytes);
    // Handles the requests the flood gate lets pass now; false once closed.
    bool HandleReleased(std::chrono::steady_clock::time_point now);
    void ArmFloodTimer();
    bool Handle(const InFrame& frame);
    void Flush();
    void ArmDeadline(std::chrono::milliseconds after);
    void Tune();

    asio::ip::tcp::socket socket_;
    const ConnectionLimits& limits_;
    EnvelopeReader reader_;
    FloodGate gate_;
    SendQueue queue_;
    asio::steady_timer deadline_;
    asio::steady_timer floodTimer_;
    std::unique_ptr<Session> session_;
    Gone gone_;
    std::string address_;
    size_t bytesBeforeLogin_ = 0;
    bool validRequestSeen_ = false;
    bool loggedIn_ = false;
    bool flushPosted_ = false;
    bool waitingWritable_ = false;
    bool closed_ = false;
};

} // namespace server
