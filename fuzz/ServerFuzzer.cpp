// Feeds arbitrary bytes through the server's envelope reader into a lobby or a room
// session over an in-memory connection, the way a hostile peer would.
#include "server/AccountStore.h"
#include "server/Hall.h"
#include "server/HallCatalog.h"
#include "server/LobbySession.h"
#include "server/Log.h"
#include "server/MemoryLink.h"
#include "server/PasswordHash.h"
#include "server/RoomSession.h"
#include "server/UserAdmin.h"

#include <cstddef>
#include <cstdint>

namespace {

struct World {
    World()
    {
        server::SetLogQuiet(true);
        std::string error;
        store = server::AccountStore::Open(":memory:", error);
        server::SeedDefaultAccounts(*store, server::HashCost::Test);
        hashes = std::make_unique<server::HashPool>(loop, 1, 4);
        context = std::make_unique<server::ServerContext>(
            server::ServerContext{*store, online, guard, *hashes, 1000050831u, {}, false});
        const net::HallList list = server::HallCatalog::BuiltIn("127.0.0.1", 8081);
        common = std::make_unique<server::Hall>(list.halls.front(), 4);
        challenge = std::make_unique<server::Hall>(list.halls.back(), 4);
        // A live lobby session vouches for room logins of "tavik" from "mem".
        presence = std::make_unique<server::LobbySession>(*context, presenceLink);
        online.Add("tavik", "mem", *presence);
    }

    asio::io_context loop;
    std::unique_ptr<server::AccountStore> store;
    server::OnlineRegistry online;
    server::LoginGuard guard;
    std::unique_ptr<server::HashPool> hashes;
    std::unique_ptr<server::ServerContext> context;
    std::unique_ptr<server::Hall> common, challenge;
    server::MemoryLink presenceLink{"mem"};
    std::unique_ptr<server::LobbySession> presence;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static World world;
    if (size == 0)
        return 0;
    // The first byte picks the service; the rest is the stream a peer sends.
    const uint8_t service = data[0] % 3;
    const std::span<const uint8_t> stream(data + 1, size - 1);
    server::MemoryLink link("mem");
    std::unique_ptr<server::Session> session;
    server::EnvelopeRules rules;
    if (service == 0) {
        session = std::make_unique<server::LobbySession>(*world.context, link);
        rules = server::LobbySession::Rules();
    } else {
        server::Hall& hall = service == 1 ? *world.common : *world.challenge;
        session = std::make_unique<server::RoomSession>(*world.context, hall, link);
        rules = server::RoomSession::Rules();
    }
    server::EnvelopeReader reader(rules);
    std::vector<server::InFrame> frames;
    reader.Feed(stream, frames);
    for (const server::InFrame& f : frames) {
        if (!session->OnFrame(f))
            break;
    }
    session->OnClosed();
    // Password checks posted back by the pool find their session gone.
    world.loop.poll();
    world.loop.restart();
    return 0;
}
