// What one connection may cost the server: deadlines before the login, bytes before
// the login, connections per address, password guessing, and floods. All against
// the real server on loopback.
#include "ServerProcess.h"
#include "TestClient.h"

#include "net/ChatRecord.h"
#include "net/MsgIds.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

using namespace servertest;
namespace Room = net::RoomMsg;
namespace Lobby = net::LobbyMsg;

constexpr uint32_t kRoom = 101;

std::vector<uint8_t> Chat(const std::string& text) { return net::Encoded(net::ChatRecord{1, 0, 0, text}); }

TEST(ConnectionDeadlines, SilenceBeforeAValidRequestAndTheLoginWait)
{
    ServerProcess server({"--request-deadline-ms", "300", "--login-deadline-ms", "1500"});
    ASSERT_TRUE(server.Started());
    TestClient silent(server.LobbyPort());
    TestClient asked(server.LobbyPort());
    TestClient loggedIn(server.LobbyPort());
    ASSERT_TRUE(asked.SendLobby(Lobby::VersionRequest));
    ASSERT_TRUE(asked.ReceiveId(Lobby::Version));
    ASSERT_EQ(loggedIn.LobbyLogin("tavik", "tavik"), 0);
    EXPECT_TRUE(silent.ClosedWithin(3s)) << "no request within the request deadline";
    EXPECT_TRUE(asked.Silent(600ms)) << "a client retyping its password waits longer";
    EXPECT_TRUE(asked.ClosedWithin(3s)) << "but not for ever without a login";
    EXPECT_TRUE(loggedIn.Silent(500ms)) << "a logged-in player may stay silent";
    ASSERT_TRUE(loggedIn.SendLobby(Lobby::PlayerRecordRequest));
    EXPECT_TRUE(loggedIn.ReceiveId(Lobby::PlayerRecord));
}

TEST(ConnectionLimits, MoreThanFourKiBBeforeTheLoginCloses)
{
    ServerProcess server;
    ASSERT_TRUE(server.Started());
    TestClient c(server.LobbyPort());
    // Unknown lobby requests of 20 bytes, 205 of them: 4100 bytes.
    bool sent = true;
    for (int i = 0; i < 205 && sent; ++i)
        sent = c.SendLobby(99);
    EXPECT_TRUE(c.ClosedWithin(2s));
    TestClient other(server.LobbyPort());
    EXPECT_EQ(other.LobbyLogin("lina", "lina"), 0);
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(other.SendLobby(99)) << "no cap after the login";
    EXPECT_TRUE(other.Silent());
}

TEST(ConnectionLimits, ConnectionsPerAddress)
{
    ServerProcess server({"--per-address", "3"});
    ASSERT_TRUE(server.Started());
    std::vector<std::unique_ptr<TestClient>> held;
    for (int i = 0; i < 3; ++i)
        held.push_back(std::make_unique<TestClient>(i == 2 ? server.RoomPort(0) : server.LobbyPort(), "127.0.0.2"));
    TestClient fourth(server.LobbyPort(), "127.0.0.2");
    EXPECT_TRUE(fourth.ClosedWithin(2s)) << "lobby and rooms count together";
    TestClient elsewhere(server.LobbyPort(), "127.0.0.3");
    EXPECT_EQ(elsewhere.LobbyLogin("tavik", "tavik"), 0);
    held.pop_back();
    std::this_thread::sleep_for(200ms);
    TestClient again(server.LobbyPort(), "127.0.0.2");
    EXPECT_EQ(again.LobbyLogin("lina", "lina"), 0) << "a closed connection frees its place";
}

TEST(ConnectionLimits, PasswordGuessingLocksOnlyTheGuessersAddress)
{
    ServerProcess server;
    ASSERT_TRUE(server.Started());
    TestClient guesser(server.LobbyPort(), "127.0.0.2");
    for (const char* guess : {"a", "b", "c"})
        EXPECT_EQ(guesser.LobbyLogin("tavik", guess), 2);
    EXPECT_EQ(guesser.LobbyLogin("tavik", "tavik"), 2) << "locked for a minute, even with the right password";
    EXPECT_EQ(guesser.LobbyLogin("lina", "lina"), 0) << "other accounts are not locked";
    TestClient owner(server.LobbyPort(), "127.0.0.3");
    EXPECT_EQ(owner.LobbyLogin("tavik", "tavik"), 0) << "the owner elsewhere is not locked out";
}

class RoomFlood : public ::testing::Test {
protected:
    // Logs `name` in to the lobby and the room.
    std::unique_ptr<TestClient> Enter(ServerProcess& server, const std::string& name)
    {
        lobbies.push_back(std::make_unique<TestClient>(server.LobbyPort()));
        EXPECT_EQ(lobbies.back()->LobbyLogin(name, name), 0);
        auto c = std::make_unique<TestClient>(server.RoomPort(0));
        EXPECT_TRUE(c->RoomLogin(kRoom, name));
        return c;
    }
    std::vector<std::unique_ptr<TestClient>> lobbies;
};

TEST_F(RoomFlood, AFloodIsClosedWhileABurstIsDelayedNotLost)
{
    ServerProcess server;
    ASSERT_TRUE(server.Started());
    auto listener = Enter(server, "tavik");
    auto burst = Enter(server, "lina");
    auto flood = Enter(server, "bora");
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(burst->SendRoom(kRoom, Room::Chat, Chat("line " + std::to_string(i))));
    for (int i = 0; i < 8; ++i) {
        const auto r = listener->ReceiveId(Room::Chat, 5s);
        ASSERT_TRUE(r) << "line " << i;
        EXPECT_EQ(net::ChatRecord::Decode(r->Data()).text, "line " + std::to_string(i)) << "in order";
    }
    for (int i = 0; i < 40; ++i)
        flood->SendRoom(kRoom, Room::Chat, Chat("spam"));
    EXPECT_TRUE(flood->ClosedWithin(2s));
    EXPECT_TRUE(burst->SendRoom(kRoom, Room::PlayerListRequest));
    EXPECT_TRUE(burst->ReceiveId(Room::PlayerList, 5s));
}

} // namespace
