#include "server/Listener.h"

#include "server/Connection.h"
#include "server/Log.h"

namespace server {

Listener::Listener(asio::io_context& io, const ConnectionLimits& limits, AddressLimiter& perAddress,
                   EnvelopeRules rules, MakeSession make)
    : acceptor_(io), pause_(io), limits_(limits), perAddress_(perAddress), rules_(rules), make_(std::move(make))
{
}

bool Listener::Open(const std::string& host, uint16_t port, std::string& error)
{
    asio::error_code ec;
    const asio::ip::address address = asio::ip::make_address(host, ec);
    if (ec) {
        error = "bad address " + host;
        return false;
    }
    const asio::ip::tcp::endpoint endpoint(address, port);
    acceptor_.open(endpoint.protocol(), ec);
    if (!ec)
        acceptor_.set_option(asio::ip::tcp::acceptor::reuse_address(true), ec);
    if (!ec)
        acceptor_.bind(endpoint, ec);
    if (!ec)
        acceptor_.listen(asio::socket_base::max_listen_connections, ec);
    if (ec) {
        error = "cannot listen on " + host + ":" + std::to_string(port) + ": " + ec.message();
        return false;
    }
    Accept();
    return true;
}

uint16_t Listener::Port() const
{
    asio::error_code ec;
    return acceptor_.local_endpoint(ec).port();
}

void Listener::Accept()
{
    acceptor_.async_accept([this](const asio::error_code& ec, asio::ip::tcp::socket socket) {
        if (ec == asio::error::operation_aborted)
            return;
        if (!ec) {
            asio::error_code peerError;
            const std::string address = socket.remote_endpoint(peerError).address().to_string();
            if (peerError) {
                // Gone before we looked: nothing to serve.
            } else if (!perAddress_.Acquire(address)) {
                LogLine("refused " + address + ": too many connections from this address");
            } else {
                auto connection = std::make_shared<Connection>(std::move(socket), limits_, rules_,
                                                               [this, address] { perAddress_.Release(address); });
                connection->Start(make_(*connection));
            }
        } else {
            // Out of descriptors and the like: the connections already held go on, and
            // accepting resumes after a pause instead of spinning on the same failure.
            LogLine("accept failed: " + ec.message());
            pause_.expires_after(std::chrono::milliseconds(100));
            pause_.async_wait([this](const asio::error_code& waitError) {
                if (!waitError)
                    Accept();
            });
            return;
        }
        Accept();
    });
}

} // namespace server
