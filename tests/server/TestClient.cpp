#include "TestClient.h"

#include "net/ByteReader.h"
#include "net/DeskBytes.h"
#include "net/LoginRequest.h"
#include "net/MsgIds.h"
#include "net/PlayerRecord.h"
#include "net/ByteWriter.h"

#include <arpa/inet.h>
#include <linux/filter.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace servertest {

TestClient::TestClient(uint16_t port, const std::string& local, int receiveBuffer)
{
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    if (fd_ < 0)
        return;
    if (receiveBuffer > 0)
        setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    const int on = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    inet_pton(AF_INET, local.c_str(), &a.sin_addr);
    sockaddr_in s{};
    s.sin_family = AF_INET;
    s.sin_port = htons(port);
    inet_pton(AF_INET, "127.0.0.1", &s.sin_addr);
    if (bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0
        || connect(fd_, reinterpret_cast<sockaddr*>(&s), sizeof s) != 0)
        Close();
}

TestClient::~TestClient() { Close(); }

void TestClient::Close()
{
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
}

bool TestClient::GoDeaf()
{
    // A socket filter that keeps nothing: TCP runs it on every arriving segment
    // before acting on it, so probes and data are neither seen nor acknowledged.
    sock_filter dropAll[] = {BPF_STMT(BPF_RET | BPF_K, 0)};
    const sock_fprog program{1, dropAll};
    return fd_ >= 0 && setsockopt(fd_, SOL_SOCKET, SO_ATTACH_FILTER, &program, sizeof program) == 0;
}

bool TestClient::SendBytes(std::span<const uint8_t> bytes)
{
    size_t sent = 0;
    while (fd_ >= 0 && sent < bytes.size()) {
        const ssize_t n = send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<size_t>(n);
    }
    return fd_ >= 0;
}

bool TestClient::SendLobby(uint8_t id, std::span<const uint8_t> data, net::EnvelopeKind kind)
{
    return SendBytes(net::BuildLobbyEnvelope(kind, net::MsgRecord::Build(id, data).Bytes()));
}

bool TestClient::SendRoom(uint32_t room, uint8_t id, std::span<const uint8_t> data)
{
    return SendBytes(net::BuildRoomEnvelope(room, net::Channel::Room, net::MsgRecord::Build(id, data).Bytes()));
}

bool TestClient::SendDesk(uint32_t room, uint8_t desk, uint8_t subChannel, uint8_t id, std::span<const uint8_t> data)
{
    const std::vector<uint8_t> bytes = net::DeskBytes::Build(desk, subChannel, net::MsgRecord::Build(id, data).Bytes());
    return SendBytes(net::BuildRoomEnvelope(room, net::Channel::Desk, bytes));
}

bool TestClient::ReadExact(uint8_t* out, size_t n, std::chrono::steady_clock::time_point until)
{
    size_t got = 0;
    while (got < n) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0)
            return false;
        const ssize_t r = recv(fd_, out + got, n - got, 0);
        if (r <= 0) {
            closed_ = true;
            return false;
        }
        got += static_cast<size_t>(r);
    }
    return true;
}

std::optional<net::MsgRecord> TestClient::Receive(std::chrono::milliseconds wait)
{
    if (fd_ < 0 || closed_)
        return std::nullopt;
    const auto until = std::chrono::steady_clock::now() + wait;
    uint8_t prefix[4];
    if (!ReadExact(prefix, 4, until))
        return std::nullopt;
    const uint32_t length = net::ByteReader(prefix).U32(0);
    if (length < net::kMinFrameLength || length > net::kMaxFrameLength)
        return std::nullopt;
    net::MsgRecord record(length);
    // A frame that has begun arrives whole soon after.
    if (!ReadExact(record.MutableBytes().data(), length, until + 2s))
        return std::nullopt;
    return record;
}

std::optional<net::MsgRecord> TestClient::ReceiveId(uint8_t id, std::chrono::milliseconds wait)
{
    const auto until = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        std::optional<net::MsgRecord> r = Receive(left);
        if (!r || r->Id() == id)
            return r;
    }
}

bool TestClient::ClosedWithin(std::chrono::milliseconds wait)
{
    const auto until = std::chrono::steady_clock::now() + wait;
    uint8_t sink[4096];
    while (fd_ >= 0 && !closed_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0)
            return false;
        const ssize_t r = recv(fd_, sink, sizeof sink, 0);
        if (r <= 0)
            closed_ = true;
    }
    return true;
}

bool TestClient::Silent(std::chrono::milliseconds wait)
{
    if (fd_ < 0 || closed_)
        return false;
    pollfd p{fd_, POLLIN, 0};
    return poll(&p, 1, static_cast<int>(wait.count())) == 0;
}

int TestClient::LobbyLogin(const std::string& name, const std::string& password)
{
    net::LoginRequest login;
    login.name.Set(name);
    login.password.Set(password);
    login.address.Set("127.0.0.1");
    const std::vector<uint8_t> data = net::Encoded(login);
    if (!SendLobby(net::LobbyMsg::LoginRequest, data))
        return -1;
    for (;;) {
        const std::optional<net::MsgRecord> r = Receive(10s);
        if (!r)
            return -1;
        if (r->Id() == net::LobbyMsg::LoginAccepted)
            return 0;
        if (r->Id() == net::LobbyMsg::LoginRefused)
            return r->Data().U8(0);
    }
}

std::optional<uint16_t> TestClient::RoomLogin(uint32_t room, const std::string& name)
{
    net::PlayerRecord me;
    me.name.Set(name);
    if (!SendRoom(room, net::RoomMsg::Login, net::Encoded(me)))
        return std::nullopt;
    const std::optional<net::MsgRecord> r = Receive();
    if (!r || r->Id() != net::RoomMsg::LoginAccepted)
        return std::nullopt;
    return r->Data().U16(0);
}

} // namespace servertest
