#pragma once
// The command line of morvane-server: serving (the default) or account administration.
#include "server/Account.h"
#include "server/ConnectionLimits.h"
#include "server/PasswordHash.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace server {

inline constexpr uint32_t kDefaultVersion = 1000050831;

struct UserCommand {
    enum class Verb { None, Add, Set, List } verb = Verb::None;
    std::string name;     // UTF-8 as typed
    std::string password;
    std::optional<int32_t> points;
    std::optional<int32_t> tally;
    std::optional<AccountState> state;
};

struct ServerOptions {
    std::string host = "127.0.0.1";
    uint16_t lobbyPort = 8080;
    uint16_t roomPortBase = 8081;
    std::string roomAddress; // put in the built-in hall list; the host when empty
    std::string db;          // the user's data folder when empty
    std::string hallsFile;   // the built-in hall list when empty
    std::optional<uint32_t> version = kDefaultVersion;
    size_t roomCapacity = 100;
    size_t perAddress = 64;
    HashCost hashCost = HashCost::Interactive;
    size_t hashWorkers = 2;
    size_t hashWaiting = 64;
    ConnectionLimits limits;
    bool quiet = false;
    bool help = false;
    UserCommand user;
};

// Parses argv; empty with `error` set on a bad command line.
std::optional<ServerOptions> ParseServerOptions(const std::vector<std::string>& args, std::string& error);
std::string HelpText();
// $XDG_DATA_HOME/morvane/morvane.db, or ~/.local/share/morvane/morvane.db.
std::string DefaultDatabasePath();

} // namespace server
