#pragma once
// One morvane-server process: the lobby and every hall's room service on one loop,
// the database, the hash pool, and a clean stop on SIGINT and SIGTERM.
#include "server/AddressLimiter.h"
#include "server/Hall.h"
#include "server/Listener.h"
#include "server/ServerContext.h"
#include "server/ServerOptions.h"

#include <asio/io_context.hpp>
#include <asio/signal_set.hpp>

#include <memory>
#include <string>
#include <vector>

namespace server {

class Server {
public:
    explicit Server(ServerOptions options);
    ~Server();

    // Opens the database, reads the halls, binds every port; false with `error` set.
    bool Start(std::string& error);
    // "listening lobby=PORT rooms=PORT,PORT,..."
    std::string ListeningLine() const;
    // Runs until a signal or Stop.
    void Run();
    void Stop();

private:
    ServerOptions options_;
    asio::io_context io_;
    asio::signal_set signals_;
    std::unique_ptr<AccountStore> store_;
    OnlineRegistry online_;
    LoginGuard guard_;
    std::unique_ptr<HashPool> hashes_;
    std::unique_ptr<ServerContext> context_;
    AddressLimiter perAddress_;
    std::vector<std::unique_ptr<Hall>> halls_;
    std::unique_ptr<Listener> lobby_;
    std::vector<std::unique_ptr<Listener>> rooms_;
};

} // namespace server
