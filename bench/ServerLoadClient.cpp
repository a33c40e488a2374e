#include "ServerLoadClient.h"

#include "net/ByteReader.h"
#include "net/ByteWriter.h"
#include "net/ChatRecord.h"
#include "net/Envelope.h"
#include "net/LoginRequest.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"
#include "net/PlayerRecord.h"

#include <asio/connect.hpp>
#include <asio/write.hpp>

#include <algorithm>
#include <array>
#include <random>

namespace {
int64_t NowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
} // namespace

ServerLoadClient::ServerLoadClient(asio::io_context& io, Setup setup, LoadStats& stats)
    : io_(io), setup_(std::move(setup)), stats_(stats), lobby_(io), room_(io), timer_(io)
{
}

void ServerLoadClient::Start()
{
    Connect(lobby_, setup_.lobbyPort, [self = shared_from_this()] {
        self->SendLogin();
        self->ReadFrames(self->lobby_, self->lobbyCarry_, &ServerLoadClient::OnLobby);
    });
}

void ServerLoadClient::SendLogin()
{
    net::LoginRequest login;
    login.name.Set(setup_.name);
    login.password.Set(setup_.password.empty() ? setup_.name : setup_.password);
    login.address.Set(setup_.local);
    Write(lobby_, net::BuildLobbyEnvelope(net::EnvelopeKind::Lobby,
        net::MsgRecord::Build(net::LobbyMsg::LoginRequest, net::Encoded(login)).Bytes()));
}

void ServerLoadClient::Stop()
{
    stopped_ = true;
    asio::error_code ec;
    timer_.cancel();
    lobby_.close(ec);
    room_.close(ec);
}

void ServerLoadClient::Connect(asio::ip::tcp::socket& s, uint16_t port, std::function<void()> then)
{
    const auto local = asio::ip::tcp::endpoint(asio::ip::make_address(setup_.local), 0);
    s.open(asio::ip::tcp::v4());
    if (&s == &room_ && setup_.roomReceiveBuffer > 0)
        s.set_option(asio::socket_base::receive_buffer_size(setup_.roomReceiveBuffer));
    s.bind(local);
    s.async_connect({asio::ip::make_address("127.0.0.1"), port},
        [self = shared_from_this(), &s, then = std::move(then)](const asio::error_code& ec) {
            if (ec) {
                self->Lost();
                return;
            }
            asio::error_code nonBlocking;
            s.non_blocking(true, nonBlocking); // reads take what is there and never wait
            then();
        });
}

// Reads what has arrived into the one buffer of the clients' thread and hands on every
// whole frame, so a busy room costs one read per wake-up rather than two per frame.
void ServerLoadClient::ReadFrames(asio::ip::tcp::socket& s, std::vector<uint8_t>& carry, OnFrame on)
{
    s.async_wait(asio::socket_base::wait_read, [self = shared_from_this(), &s, &carry, on](const asio::error_code& ec) {
        if (ec == asio::error::operation_aborted)
            return;
        if (ec)
            return self->Lost();
        static std::array<uint8_t, 65536> buffer;
        asio::error_code readError;
        const size_t n = s.read_some(asio::buffer(buffer), readError);
        if (readError && readError != asio::error::would_block && readError != asio::error::try_again)
            return self->Lost();
        carry.insert(carry.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n));
        size_t at = 0;
        while (carry.size() - at >= 4) {
            const uint32_t length = net::ByteReader(std::span(carry).subspan(at)).U32(0);
            if (carry.size() - at - 4 < length)
                break;
            ((*self).*on)(std::span(carry).subspan(at + 4, length));
            at += 4 + length;
        }
        carry.erase(carry.begin(), carry.begin() + static_cast<std::ptrdiff_t>(at));
        if (!self->stopped_ && (&s != &self->room_ || self->readingRoom_))
            self->ReadFrames(s, carry, on);
    });
}

void ServerLoadClient::Write(asio::ip::tcp::socket& s, std::vector<uint8_t> bytes)
{
    auto owned = std::make_shared<std::vector<uint8_t>>(std::move(bytes));
    asio::async_write(s, asio::buffer(*owned), [owned](const asio::error_code&, size_t) {});
}

void ServerLoadClient::OnLobby(Frame f)
{
    if (f.empty())
        return;
    if (f[0] == net::LobbyMsg::LoginRefused) {
        if (setup_.room == 0)
            ++stats_.refusals;
        // Too many logins waiting for the hash pool (reason 3): try again shortly.
        timer_.expires_after(std::chrono::seconds(1));
        timer_.async_wait([self = shared_from_this()](const asio::error_code& ec) {
            if (!ec)
                self->SendLogin();
        });
        return;
    }
    if (f[0] != net::LobbyMsg::LoginAccepted)
        return;
    if (setup_.room == 0) {
        ++stats_.lobbyOnly;
        return;
    }
    Connect(room_, setup_.roomPort, [self = shared_from_this()] {
        net::PlayerRecord me;
        me.name.Set(self->setup_.name);
        self->Write(self->room_, net::BuildRoomEnvelope(self->setup_.room, net::Channel::Room,
            net::MsgRecord::Build(net::RoomMsg::Login, net::Encoded(me)).Bytes()));
        self->ReadFrames(self->room_, self->roomCarry_, &ServerLoadClient::OnRoom);
    });
}

void ServerLoadClient::OnRoom(Frame f)
{
    if (f.empty())
        return;
    if (f[0] == net::RoomMsg::LoginAccepted) {
        ++stats_.inRoom;
        // A random phase, so the room's lines spread over the interval.
        static std::mt19937 random(7);
        timer_.expires_after(std::chrono::milliseconds(random() % setup_.interval.count()));
        timer_.async_wait([self = shared_from_this()](const asio::error_code& ec) {
            if (!ec)
                self->Talk();
        });
    } else if (f[0] == net::RoomMsg::Chat && stats_.measuring) {
        const net::ChatRecord line = net::ChatRecord::Decode(net::ByteReader(f).From(8));
        ++stats_.delivered;
        stats_.latencyUs.push_back(NowUs() - std::stoll(line.text));
    }
}

void ServerLoadClient::StopReading()
{
    readingRoom_ = false;
    asio::error_code ec;
    room_.cancel(ec);
    const auto since = std::chrono::steady_clock::now();
    // A reset shows as an error on the socket without anything read.
    room_.async_wait(asio::socket_base::wait_error, [self = shared_from_this(), since](const asio::error_code& waitError) {
        if (waitError)
            return;
        ++self->stats_.slowDropped;
        const double after = std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
        self->stats_.slowDropSeconds = std::max(self->stats_.slowDropSeconds, after);
    });
}

void ServerLoadClient::Talk()
{
    if (stopped_ || !readingRoom_)
        return;
    if (stats_.measuring)
        ++stats_.sent;
    const net::ChatRecord line{1, 0, 0, std::to_string(NowUs())};
    Write(room_, net::BuildRoomEnvelope(setup_.room, net::Channel::Room,
        net::MsgRecord::Build(net::RoomMsg::Chat, net::Encoded(line)).Bytes()));
    timer_.expires_after(setup_.interval);
    timer_.async_wait([self = shared_from_this()](const asio::error_code& ec) {
        if (!ec)
            self->Talk();
    });
}

void ServerLoadClient::Lost()
{
    if (!stopped_) {
        stopped_ = true;
        ++stats_.lost;
    }
}
