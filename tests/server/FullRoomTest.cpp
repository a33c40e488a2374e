// A room of 200 players on the real server: peers that stop reading are dropped while
// nobody else loses a line, and a handler that throws ends one session while every
// other desk of the room keeps its players.
#include "ServerProcess.h"
#include "TestClient.h"

#include "server/AccountStore.h"
#include "server/Cat.h"
#include "server/PasswordHash.h"

#include "net/ChatRecord.h"
#include "net/DeskList.h"
#include "net/DeskRecord.h"
#include "net/MsgIds.h"
#include "net/PlayerEntry.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

using namespace servertest;
namespace Room = net::RoomMsg;

constexpr uint32_t kRoom = 101;
constexpr int kPlayers = 200;

struct Player {
    std::unique_ptr<TestClient> lobby;
    std::unique_ptr<TestClient> room;
    uint16_t key = 0;
};

class FullRoom : public ::testing::Test {
protected:
    // Starts the server with room for everybody and adds the accounts p0 ... p199.
    void Start(std::vector<std::string> env)
    {
        server = std::make_unique<ServerProcess>(std::vector<std::string>{"--room-capacity", "250"}, std::move(env));
        ASSERT_TRUE(server->Started());
        std::string error;
        const auto store = server::AccountStore::Open(server->Database(), error);
        ASSERT_TRUE(store) << error;
        const std::string hash = server::HashPassword("p", server::HashCost::Test);
        for (int i = 0; i < kPlayers; ++i)
            ASSERT_TRUE(store->Add({server::Cat("p", i), hash, 0, 0, server::AccountState::Active}));
    }
    // Player i logs in to the lobby and the room from 127.0.0.(10 + i / 25), so that the
    // two connections of 25 players stay under the per-address limit.
    void Enter(int i, int receiveBuffer = 0, std::string local = {})
    {
        if (local.empty())
            local = server::Cat("127.0.0.", 10 + i / 25);
        Player p{std::make_unique<TestClient>(server->LobbyPort(), local),
                 std::make_unique<TestClient>(server->RoomPort(0), local, receiveBuffer)};
        ASSERT_EQ(p.lobby->LobbyLogin(server::Cat("p", i), "p"), 0) << i;
        const auto key = p.room->RoomLogin(kRoom, server::Cat("p", i));
        ASSERT_TRUE(key) << i;
        p.key = *key;
        players.push_back(std::move(p));
    }
    TestClient& RoomOf(int i) { return *players[static_cast<size_t>(i)].room; }

    std::unique_ptr<ServerProcess> server;
    std::vector<Player> players;
};

TEST_F(FullRoom, SlowReadersAreDroppedAndTheOthersLoseNothing)
{
    // The slow readers come from an address of their own, whose connections get small
    // kernel buffers on the server's side: a peer that stops reading then reaches the
    // send queue's cap of 64 frames after a few dozen lines, not megabytes.
    const std::string slowAddress = "127.0.0.99";
    Start({"MORVANE_TEST_SNDBUF=4096@" + slowAddress});
    constexpr int kSlow = 5, kTalkers = 30, kLinesEach = 5; // a burst each: no flood delay
    constexpr int kLines = kTalkers * kLinesEach;
    // The slow readers come last: what they are sent before the chat stays far below the cap.
    for (int i = 0; i < kPlayers; ++i) {
        if (i < kPlayers - kSlow)
            ASSERT_NO_FATAL_FAILURE(Enter(i));
        else
            ASSERT_NO_FATAL_FAILURE(Enter(i, 1024, slowAddress));
    }

    // Everybody else reads all along, as real clients do, each on a thread of its own.
    std::vector<int> received(kPlayers - kSlow, 0), expected(kPlayers - kSlow, kLines);
    std::vector<std::thread> readers;
    for (int i = 0; i < kPlayers - kSlow; ++i) {
        if (i < kTalkers)
            expected[static_cast<size_t>(i)] -= kLinesEach; // nobody hears his own lines back
        readers.emplace_back([&, i] {
            const auto n = static_cast<size_t>(i);
            while (received[n] < expected[n] && RoomOf(i).ReceiveId(Room::Chat, 20s))
                ++received[n];
        });
    }
    // Half a KiB a line: 150 lines are far past what a peer that does not read can hold.
    const std::string text(500, 'x');
    for (int n = 0; n < kLinesEach; ++n)
        for (int t = 0; t < kTalkers; ++t)
            ASSERT_TRUE(RoomOf(t).SendRoom(kRoom, Room::Chat, net::Encoded(net::ChatRecord{1, 0, 0, text})));
    for (std::thread& r : readers)
        r.join();
    EXPECT_EQ(received, expected) << "nothing lost for the players who read";
    for (int i = kPlayers - kSlow; i < kPlayers; ++i)
        EXPECT_TRUE(RoomOf(i).ClosedWithin(5s)) << "slow reader " << i << " is dropped";
}

TEST_F(FullRoom, AThrowingHandlerEndsOneSessionWhileNinetyNineDesksGoOn)
{
    Start({"MORVANE_TEST_HOOKS=1"});
    // Players 0 to 197 fill desks 1 to 99; player 198 sits at desk 100 and sends the
    // message that throws; player 199 watches.
    constexpr int kSeated = 198, kThrower = 198, kWatcher = 199;
    for (int i = 0; i < kPlayers; ++i)
        ASSERT_NO_FATAL_FAILURE(Enter(i));
    const auto sit = [&](int i, uint8_t desk, uint8_t seat) {
        const uint8_t data[] = {1, seat};
        ASSERT_TRUE(RoomOf(i).SendDesk(kRoom, desk, 0, net::DeskMsg::Sit, data));
        const auto r = RoomOf(i).ReceiveId(Room::Desk, 5s);
        ASSERT_TRUE(r) << "player " << i << " seated at desk " << int(desk);
        ASSERT_EQ(r->Data().U8(0), net::DeskMsg::Seated);
    };
    for (int i = 0; i < kSeated; ++i)
        ASSERT_NO_FATAL_FAILURE(sit(i, static_cast<uint8_t>(i / 2 + 1), static_cast<uint8_t>(i % 2 + 1)));
    ASSERT_NO_FATAL_FAILURE(sit(kThrower, 100, 1));

    ASSERT_TRUE(RoomOf(kThrower).SendRoom(kRoom, 250));
    EXPECT_TRUE(RoomOf(kThrower).ClosedWithin(2s)) << "the session whose message threw is closed";
    for (int i = 0; i < kSeated; ++i) {
        const auto freed = RoomOf(i).ReceiveId(Room::SeatFreed, 5s);
        ASSERT_TRUE(freed) << i;
        EXPECT_EQ(freed->Data().U8(0), 100) << "only the thrower's seat is freed, told to " << i;
        const auto left = RoomOf(i).ReceiveId(Room::PlayerLeft, 5s);
        ASSERT_TRUE(left) << i;
        EXPECT_EQ(net::PlayerEntry::Decode(left->Data()).key, players[kThrower].key);
    }

    // Every desk goes on: its second player stands up and sits down again beside the first.
    for (int i = 1; i < kSeated; i += 2) {
        const auto desk = static_cast<uint8_t>(i / 2 + 1);
        const uint8_t data[] = {1, 2};
        ASSERT_TRUE(RoomOf(i).SendDesk(kRoom, desk, 0, net::DeskMsg::LeaveSeat, data));
        ASSERT_TRUE(RoomOf(i).SendDesk(kRoom, desk, 0, net::DeskMsg::Sit, data));
        const auto r = RoomOf(i).ReceiveId(Room::Desk, 5s);
        ASSERT_TRUE(r) << "desk " << int(desk);
        const net::DeskRecord record = net::DeskRecord::Decode(r->Reader().From(16));
        EXPECT_EQ(record.seats[0].player.name.Str(), server::Cat("p", i - 1)) << "desk " << int(desk);
        EXPECT_EQ(record.seats[1].player.name.Str(), server::Cat("p", i)) << "desk " << int(desk);
    }
    ASSERT_TRUE(RoomOf(kWatcher).SendRoom(kRoom, Room::DeskListRequest));
    const auto list = RoomOf(kWatcher).ReceiveId(Room::DeskList, 5s);
    ASSERT_TRUE(list);
    const std::vector<net::DeskRecord> desks = net::DeskList::DecodeCommon(list->Data());
    ASSERT_EQ(desks.size(), 100u);
    for (size_t d = 0; d < 99; ++d)
        EXPECT_TRUE(desks[d].seats[0].occupied && desks[d].seats[1].occupied) << "desk " << d + 1;
    EXPECT_FALSE(desks[99].seats[0].occupied) << "the thrower's seat";
}

} // namespace
