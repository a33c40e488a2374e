#pragma once
// The real morvane-server on free loopback ports with a database of its own, for tests
// and benchmarks. The ports come from the line it prints once listening.
#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace servertest {

class ServerProcess {
public:
    // Starts the server with the test hash cost plus `extra` options; `env` adds
    // NAME=VALUE pairs to its environment.
    explicit ServerProcess(std::vector<std::string> extra = {}, std::vector<std::string> env = {});
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    bool Started() const { return lobbyPort_ != 0; }
    uint16_t LobbyPort() const { return lobbyPort_; }
    // Room port of hall i (0-based) of the built-in list.
    uint16_t RoomPort(size_t hall) const { return roomPorts_.at(hall); }
    const std::string& Database() const { return db_; }
    // Runs `morvane-server --db <this database> args...`; its exit code, its stdout in `out`.
    int Admin(const std::vector<std::string>& args, std::string* out = nullptr) const;
    // True while the process runs.
    bool Alive() const;

private:
    std::string dir_;
    std::string db_;
    pid_t pid_ = -1;
    uint16_t lobbyPort_ = 0;
    std::vector<uint16_t> roomPorts_;
};

// The morvane-server next to the test programs.
std::string ServerBinary();

} // namespace servertest
