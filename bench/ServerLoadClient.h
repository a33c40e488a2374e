#pragma once
// One simulated player for the load benchmark: a lobby connection and a room
// connection from its own 127.x address, chatting one line every interval. Every chat
// line carries its send time, so each receiver measures the delivery latency.
#include <asio/ip/tcp.hpp>
#include <asio/steady_timer.hpp>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct LoadStats {
    uint64_t sent = 0;
    uint64_t delivered = 0;
    uint64_t lost = 0;       // connections closed under the player
    uint64_t inRoom = 0;
    uint64_t lobbyOnly = 0;  // players of the login storm that got in
    uint64_t refusals = 0;   // logins answered "try again" (reason 3)
    uint64_t slowDropped = 0; // players who stopped reading and were dropped
    double slowDropSeconds = 0; // the longest a dropped one went unread first
    std::vector<int64_t> latencyUs;
    bool measuring = false;
};

class ServerLoadClient : public std::enable_shared_from_this<ServerLoadClient> {
public:
    struct Setup {
        std::string name;
        std::string local;     // 127.x.y.z
        uint16_t lobbyPort = 0;
        uint16_t roomPort = 0;
        uint32_t room = 0;     // 0: log in to the lobby only
        std::chrono::milliseconds interval{2000};
        std::string password;  // the name when empty
        int roomReceiveBuffer = 0; // > 0: a small window towards the room (a peer that may hang)
    };

    ServerLoadClient(asio::io_context& io, Setup setup, LoadStats& stats);
    void Start();
    void Stop();
    // Reads nothing more from the room (and says nothing more): a peer that hangs.
    void StopReading();

private:
    using Frame = std::span<const uint8_t>;
    using OnFrame = void (ServerLoadClient::*)(Frame);
    void Connect(asio::ip::tcp::socket& s, uint16_t port, std::function<void()> then);
    void ReadFrames(asio::ip::tcp::socket& s, std::vector<uint8_t>& carry, OnFrame on);
    void Write(asio::ip::tcp::socket& s, std::vector<uint8_t> bytes);
    void SendLogin();
    void OnLobby(Frame f);
    void OnRoom(Frame f);
    void Talk();
    void Lost();

    asio::io_context& io_;
    Setup setup_;
    LoadStats& stats_;
    asio::ip::tcp::socket lobby_;
    asio::ip::tcp::socket room_;
    asio::steady_timer timer_;
    std::vector<uint8_t> lobbyCarry_, roomCarry_; // a frame cut by a read
    bool stopped_ = false;
    bool readingRoom_ = true;
};
