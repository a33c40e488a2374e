#include "server/Connection.h"

#include "server/Log.h"

#include <asio/post.hpp>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <array>
#include <exception>

namespace server {

namespace {
using SteadyClock = std::chrono::steady_clock;

std::string PeerAddress(const asio::ip::tcp::socket& s)
{
    asio::error_code ec;
    const auto ep = s.remote_endpoint(ec);
    return ec ? std::string("?") : ep.address().to_string();
}
} // namespace

Connection::Connection(asio::ip::tcp::socket socket, const ConnectionLimits& limits, EnvelopeRules rules, Gone gone)
    : socket_(std::move(socket)), limits_(limits), reader_(rules), gate_(limits.flood, SteadyClock::now()),
      queue_(limits.send), deadline_(socket_.get_executor()), floodTimer_(socket_.get_executor()),
      gone_(std::move(gone)), address_(PeerAddress(socket_))
{
}

// Keepalive finds a half-open peer of a logged-in player (who may be silent for hours).
// A peer that vanished while data was on its way to it gets no keepalive probes, only
// retransmissions for a quarter of an hour: the user timeout gives up on it after the
// same time as the probes would.
void Connection::Tune()
{
    const int fd = socket_.native_handle();
    const int on = 1;
    const KeepAlive& k = limits_.keepAlive;
    const unsigned giveUpMs = static_cast<unsigned>(k.idleSeconds + k.intervalSeconds * k.probes) * 1000u;
    setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &k.idleSeconds, sizeof(int));
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &k.intervalSeconds, sizeof(int));
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &k.probes, sizeof(int));
    setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &giveUpMs, sizeof giveUpMs);
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    if (limits_.sendBufferBytes > 0 && (limits_.sendBufferPeer.empty() || limits_.sendBufferPeer == address_))
        setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &limits_.sendBufferBytes, sizeof(int));
}

void Connection::Start(std::unique_ptr<Session> session)
{
    session_ = std::move(session);
    Tune();
    asio::error_code ec;
    socket_.non_blocking(true, ec);
    LogLine("connect " + address_);
    ArmDeadline(limits_.requestDeadline);
    Read();
}

void Connection::ArmDeadline(std::chrono::milliseconds after)
{
    deadline_.expires_after(after);
    deadline_.async_wait([self = shared_from_this()](const asio::error_code& ec) {
        if (!ec)
            self->Close("no login in time");
    });
}

// Reads into the loop's one buffer, so an idle connection holds no read buffer of its
// own (which lets one server hold tens of thousands of them). A read comes first; only
// when nothing is there does the connection wait, since a wait started after the
// socket became readable would sleep until the peer's next bytes.
void Connection::Read()
{
    static std::array<uint8_t, 65536> buffer; // the loop is single-threaded
    asio::error_code ec;
    const size_t n = socket_.read_some(asio::buffer(buffer), ec);
    if (ec == asio::error::would_block || ec == asio::error::try_again) {
        WaitThen(asio::socket_base::wait_read, &Connection::Read);
        return;
    }
    if (ec) {
        Close(ec == asio::error::eof ? "peer closed" : ec.message());
        return;
    }
    OnBytes(std::span(buffer.data(), n));
    // The next read waits its turn behind the other connections' work.
    if (!closed_)
        asio::post(socket_.get_executor(), [self = shared_from_this()] {
            if (!self->closed_)
                self->Read();
        });
}

void Connection::WaitThen(asio::socket_base::wait_type what, void (Connection::*next)())
{
    socket_.async_wait(what, [self = shared_from_this(), next](const asio::error_code& ec) {
        if (self->closed_)
            return;
        if (ec)
            self->Close(ec.message());
        else
            ((*self).*next)();
    });
}

void Connection::OnBytes(std::span<const uint8_t> bytes)
{
    if (!loggedIn_) {
        bytesBeforeLogin_ += bytes.size();
        if (bytesBeforeLogin_ > limits_.preLoginBytes) {
            Close("too many bytes before login");
            return;
        }
    }
    std::vector<InFrame> frames;
    const bool ok = reader_.Feed(bytes, frames);
    const auto now = SteadyClock::now();
    // Each request is offered and whatever may pass is handled before the next, so
    // only requests held beyond the rate count towards a flood.
    for (InFrame& f : frames) {
        const bool throttled = session_->Throttled(f);
        if (!gate_.Offer(std::move(f), throttled, now)) {
            Close("flood");
            return;
        }
        if (!HandleReleased(now))
            return;
    }
    ArmFloodTimer();
    if (!ok && !closed_)
        Close("malformed envelope: " + reader_.Fault());
}

bool Connection::HandleReleased(std::chrono::steady_clock::time_point now)
{
    for (const InFrame& f : gate_.Release(now))
        if (!Handle(f))
            return false;
    return !closed_;
}

void Connection::ArmFloodTimer()
{
    const auto next = gate_.NextRelease();
    if (closed_ || !next)
        return;
    floodTimer_.expires_at(*next);
    floodTimer_.async_wait([self = shared_from_this()](const asio::error_code& ec) {
        if (!ec && self->HandleReleased(SteadyClock::now()))
            self->ArmFloodTimer();
    });
}

bool Connection::Handle(const InFrame& frame)
{
    if (closed_)
        return false;
    bool ok = false;
    try {
        ok = session_->OnFrame(frame);
    } catch (const std::exception& e) {
        Close(std::string("handler failed: ") + e.what());
        return false;
    }
    if (!ok) {
        Close("malformed request");
        return false;
    }
    if (!validRequestSeen_ && !loggedIn_ && !closed_) {
        validRequestSeen_ = true;
        ArmDeadline(limits_.loginDeadline);
    }
    return !closed_;
}

void Connection::LoggedIn()
{
    loggedIn_ = true;
    deadline_.cancel();
}

void Connection::Send(OutFrame frame)
{
    if (closed_)
        return;
    if (!queue_.Push(frame)) {
        // The cap counts only what the kernel would not take: a busy room may queue
        // more than the cap for a peer within one turn of the loop, so what waits is
        // offered to the kernel first.
        if (!waitingWritable_)
            Flush();
        if (closed_)
            return;
        if (!queue_.Push(frame)) {
            // Reset at once: what the kernel still holds for a peer that does not read
            // would linger there, and the peer learns of the drop without reading.
            const linger reset{1, 0};
            setsockopt(socket_.native_handle(), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
            Close("send queue full: peer not reading");
            return;
        }
    }
    // The write happens once the current handler is done, so every frame it queues
    // for this peer (a busy room's lines) leaves in one gathered write.
    if (!flushPosted_ && !waitingWritable_) {
        flushPosted_ = true;
        asio::post(socket_.get_executor(), [self = shared_from_this()] {
            self->flushPosted_ = false;
            if (!self->closed_ && !self->waitingWritable_)
                self->Flush();
        });
    }
}

// Writes what waits until the kernel takes no more; then waits until it does.
void Connection::Flush()
{
    waitingWritable_ = false;
    while (!queue_.Empty()) {
        std::array<asio::const_buffer, 64> pieces; // as many as one gathered write takes
        const size_t n = queue_.Pending(pieces);
        asio::error_code ec;
        const size_t written = socket_.write_some(std::span(pieces.data(), n), ec);
        if (ec == asio::error::would_block || ec == asio::error::try_again) {
            waitingWritable_ = true;
            WaitThen(asio::socket_base::wait_write, &Connection::Flush);
            return;
        }
        if (ec) {
            Close(ec.message());
            return;
        }
        queue_.Consume(written);
    }
}

void Connection::Close(std::string_view why)
{
    if (closed_)
        return;
    closed_ = true;
    LogLine("close " + address_ + ": " + std::string(why));
    asio::error_code ec;
    socket_.shutdown(asio::ip::tcp::socket::shutdown_both, ec);
    socket_.close(ec);
    deadline_.cancel();
    floodTimer_.cancel();
    // The session hears of it on a later turn of the loop, so a room in the middle of
    // a broadcast never sees its list of players change under it.
    asio::post(socket_.get_executor(), [self = shared_from_this()] {
        self->session_->OnClosed();
        if (self->gone_)
            self->gone_();
    });
}

} // namespace server
