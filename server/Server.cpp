#include "server/Server.h"

#include "server/Cat.h"
#include "server/HallCatalog.h"
#include "server/LobbySession.h"
#include "server/Log.h"
#include "server/RoomSession.h"
#include "server/UserAdmin.h"

#include "net/ByteWriter.h"

#include <cstdlib>

namespace server {

Server::Server(ServerOptions options)
    : options_(std::move(options)), signals_(io_, SIGINT, SIGTERM), perAddress_(options_.perAddress)
{
    // BYTES, or BYTES@ADDRESS for the connections from one address only.
    if (const char* sndbuf = std::getenv("MORVANE_TEST_SNDBUF")) {
        const std::string_view hook(sndbuf);
        const size_t at = hook.find('@');
        options_.limits.sendBufferBytes = std::atoi(sndbuf);
        if (at != std::string_view::npos)
            options_.limits.sendBufferPeer = hook.substr(at + 1);
    }
}

Server::~Server()
{
    // Sessions go with the loop's pending work, before what they point to.
    rooms_.clear();
    lobby_.reset();
    hashes_.reset();
}

bool Server::Start(std::string& error)
{
    const std::string db = options_.db.empty() ? DefaultDatabasePath() : options_.db;
    store_ = AccountStore::Open(db, error);
    if (!store_)
        return false;
    if (!SeedDefaultAccounts(*store_, options_.hashCost)) {
        error = "cannot add the default accounts to " + db;
        return false;
    }
    std::optional<net::HallList> halls;
    if (options_.hallsFile.empty()) {
        const std::string address = options_.roomAddress.empty() ? options_.host : options_.roomAddress;
        halls = HallCatalog::BuiltIn(address, options_.roomPortBase);
    } else {
        halls = HallCatalog::Load(options_.hallsFile, error);
        if (!halls)
            return false;
    }
    hashes_ = std::make_unique<HashPool>(io_, options_.hashWorkers, options_.hashWaiting);
    const char* hooks = std::getenv("MORVANE_TEST_HOOKS");
    context_ = std::make_unique<ServerContext>(
        ServerContext{*store_, online_, guard_, *hashes_, options_.version, {}, hooks && *hooks == '1'});

    for (net::HallEntry& entry : halls->halls) {
        halls_.push_back(std::make_unique<Hall>(entry, options_.roomCapacity));
        Hall& hall = *halls_.back();
        auto listener = std::make_unique<Listener>(io_, options_.limits, perAddress_, RoomSession::Rules(),
            [this, &hall](Link& link) { return std::make_unique<RoomSession>(*context_, hall, link); });
        if (!listener->Open(options_.host, static_cast<uint16_t>(entry.hall.port), error))
            return false;
        // Clients learn the port in use, also when a free one was picked.
        entry.hall.port = listener->Port();
        rooms_.push_back(std::move(listener));
    }
    context_->hallList = net::Encoded(*halls);

    lobby_ = std::make_unique<Listener>(io_, options_.limits, perAddress_, LobbySession::Rules(),
        [this](Link& link) { return std::make_unique<LobbySession>(*context_, link); });
    if (!lobby_->Open(options_.host, options_.lobbyPort, error))
        return false;
    signals_.async_wait([this](const asio::error_code& ec, int) {
        if (!ec) {
            LogLine("stopping");
            Stop();
        }
    });
    return true;
}

std::string Server::ListeningLine() const
{
    std::string line = Cat("listening lobby=", lobby_->Port(), " rooms=");
    for (size_t i = 0; i < rooms_.size(); ++i)
        line += Cat(i ? "," : "", rooms_[i]->Port());
    return line;
}

void Server::Run() { io_.run(); }

void Server::Stop() { io_.stop(); }

} // namespace server
