#pragma once
// A blocking loopback client for server tests: sends envelopes built by net/, reads
// the server's length-prefixed frames, and tells a closed connection from a silent one.
#include "net/Envelope.h"
#include "net/MsgRecord.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace servertest {

using namespace std::chrono_literals;

class TestClient {
public:
    // Connects to 127.0.0.1:port from `local` (127.0.0.x, so per-address rules can be
    // tried on one machine); `receiveBuffer` > 0 shrinks the client's receive buffer.
    explicit TestClient(uint16_t port, const std::string& local = "127.0.0.1", int receiveBuffer = 0);
    ~TestClient();
    TestClient(const TestClient&) = delete;
    TestClient& operator=(const TestClient&) = delete;

    bool Connected() const { return fd_ >= 0; }
    bool SendBytes(std::span<const uint8_t> bytes);
    bool SendLobby(uint8_t id, std::span<const uint8_t> data = {}, net::EnvelopeKind kind = net::EnvelopeKind::Lobby);
    bool SendRoom(uint32_t room, uint8_t id, std::span<const uint8_t> data = {});
    bool SendDesk(uint32_t room, uint8_t desk, uint8_t subChannel, uint8_t id, std::span<const uint8_t> data = {});

    // The next frame, or empty when none arrives in time or the connection closed.
    std::optional<net::MsgRecord> Receive(std::chrono::milliseconds wait = 2000ms);
    // The next frame with this id, skipping others; empty when none comes in time.
    std::optional<net::MsgRecord> ReceiveId(uint8_t id, std::chrono::milliseconds wait = 2000ms);
    // True when the server closed the connection within `wait` (frames before are dropped).
    bool ClosedWithin(std::chrono::milliseconds wait);
    // No frame arrives within `wait` and the connection stays open.
    bool Silent(std::chrono::milliseconds wait = 200ms);
    void Close();
    // From now on every segment the server sends is dropped on arrival and never
    // acknowledged: to the server this peer looks gone without a word (half-open).
    bool GoDeaf();

    // Lobby: version, login with `name` / `password`; the refusal reason, or 0 when accepted.
    int LobbyLogin(const std::string& name, const std::string& password);
    // Room: login with `name`; the player key, or empty on a refusal or a close.
    std::optional<uint16_t> RoomLogin(uint32_t room, const std::string& name);

private:
    bool ReadExact(uint8_t* out, size_t n, std::chrono::steady_clock::time_point until);

    int fd_ = -1;
    bool closed_ = false;
};

} // namespace servertest
