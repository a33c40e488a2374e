// Room services of the real morvane-server: room login, players, chat, desks, seats.
#include "ServerProcess.h"
#include "TestClient.h"

#include "net/ChatRecord.h"
#include "net/DeskRecord.h"
#include "net/MsgIds.h"
#include "net/PlayerEntry.h"
#include "net/SeatNotice.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

using namespace servertest;
namespace Room = net::RoomMsg;

// Each test has a room of its own, so the players of one test never meet the next's.
constexpr uint32_t kCommonRoom = 101;     // first room of the first hall (田忌赛马)
constexpr size_t kSecondHall = 1;
constexpr size_t kChallengeHall = 9;      // the first ladder hall
constexpr uint32_t kChallengeRoom = 1001;

// A player with a lobby session and one open room.
struct Player {
    std::string name;
    std::unique_ptr<TestClient> lobby;
    std::unique_ptr<TestClient> room;
    uint16_t key = 0;
};

class RoomServiceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        server = new ServerProcess({"--room-capacity", "3"});
        ASSERT_TRUE(server->Started());
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    // Logs `name` in to the lobby and to `room` of hall `hall`.
    Player Enter(const std::string& name, uint32_t room = kCommonRoom, size_t hall = 0)
    {
        Player p{name, std::make_unique<TestClient>(server->LobbyPort()), nullptr, 0};
        // The previous test's sessions end as the server notices their connections close.
        int reason = p.lobby->LobbyLogin(name, name);
        for (int i = 0; i < 100 && reason == 6; ++i) {
            std::this_thread::sleep_for(20ms);
            reason = p.lobby->LobbyLogin(name, name);
        }
        EXPECT_EQ(reason, 0) << name;
        p.room = std::make_unique<TestClient>(server->RoomPort(hall));
        const auto key = p.room->RoomLogin(room, name);
        EXPECT_TRUE(key) << name;
        p.key = key.value_or(0);
        return p;
    }

    static std::vector<uint8_t> Chat(uint16_t sender, uint16_t receiver, const std::string& text)
    {
        return net::Encoded(net::ChatRecord{1, sender, receiver, text});
    }

    static ServerProcess* server;
};
ServerProcess* RoomServiceTest::server = nullptr;

TEST_F(RoomServiceTest, RoomLoginNeedsALiveLobbySessionFromTheSameAddress)
{
    net::PlayerRecord me;
    me.name.Set("lina");
    {
        TestClient stranger(server->RoomPort(0));
        ASSERT_TRUE(stranger.SendRoom(kCommonRoom, Room::Login, net::Encoded(me)));
        EXPECT_TRUE(stranger.ClosedWithin(2s)) << "no lobby session at all";
    }
    TestClient lobby(server->LobbyPort(), "127.0.0.2");
    ASSERT_EQ(lobby.LobbyLogin("lina", "lina"), 0);
    {
        TestClient elsewhere(server->RoomPort(0), "127.0.0.3");
        ASSERT_TRUE(elsewhere.SendRoom(kCommonRoom, Room::Login, net::Encoded(me)));
        EXPECT_TRUE(elsewhere.ClosedWithin(2s)) << "a session from another address does not vouch";
    }
    TestClient same(server->RoomPort(0), "127.0.0.2");
    EXPECT_TRUE(same.RoomLogin(kCommonRoom, "lina"));
}

TEST_F(RoomServiceTest, PlayersEnterListAndLeave)
{
    Player a = Enter("tavik", 102);
    ASSERT_TRUE(a.room->SendRoom(102, Room::PlayerListRequest));
    auto list = a.room->ReceiveId(Room::PlayerList);
    ASSERT_TRUE(list);
    auto entries = net::PlayerEntry::DecodeList(list->Data());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].player.name.Str(), "tavik");
    EXPECT_EQ(entries[0].player.points, 100) << "points from the database";
    EXPECT_EQ(entries[0].key, a.key);

    Player b = Enter("lina", 102);
    const auto entered = a.room->ReceiveId(Room::PlayerEntered);
    ASSERT_TRUE(entered);
    EXPECT_EQ(net::PlayerEntry::Decode(entered->Data()).key, b.key);
    ASSERT_TRUE(b.room->SendRoom(102, Room::PlayerListRequest));
    list = b.room->ReceiveId(Room::PlayerList);
    ASSERT_TRUE(list);
    EXPECT_EQ(net::PlayerEntry::DecodeList(list->Data()).size(), 2u);

    ASSERT_TRUE(b.room->SendRoom(102, Room::Leave));
    const auto left = a.room->ReceiveId(Room::PlayerLeft);
    ASSERT_TRUE(left);
    EXPECT_EQ(net::PlayerEntry::Decode(left->Data()).key, b.key);
}

TEST_F(RoomServiceTest, TheRoomIsFullAtItsCapacity)
{
    Player a = Enter("tavik", 103), b = Enter("lina", 103), c = Enter("bora", 103);
    ASSERT_TRUE(a.room->ReceiveId(Room::PlayerEntered));
    ASSERT_TRUE(a.room->ReceiveId(Room::PlayerEntered));
    Player waiting{"mira", std::make_unique<TestClient>(server->LobbyPort()), nullptr, 0};
    ASSERT_EQ(waiting.lobby->LobbyLogin("mira", "mira"), 0);
    TestClient fourth(server->RoomPort(0));
    net::PlayerRecord me;
    me.name.Set("mira");
    ASSERT_TRUE(fourth.SendRoom(103, Room::Login, net::Encoded(me)));
    const auto r = fourth.Receive();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Id(), Room::RoomFull);
    EXPECT_TRUE(a.room->Silent()) << "nobody hears of a refused newcomer";
}

TEST_F(RoomServiceTest, ChatToAllToOneAndAForgedSender)
{
    Player a = Enter("tavik", 201, kSecondHall), b = Enter("lina", 201, kSecondHall), c = Enter("bora", 201, kSecondHall);
    a.room->ReceiveId(Room::PlayerEntered);
    a.room->ReceiveId(Room::PlayerEntered);
    b.room->ReceiveId(Room::PlayerEntered);

    ASSERT_TRUE(a.room->SendRoom(201, Room::Chat, Chat(c.key, 0, "hello all")));
    for (Player* p : {&b, &c}) {
        const auto r = p->room->ReceiveId(Room::Chat);
        ASSERT_TRUE(r) << p->name;
        const auto line = net::ChatRecord::Decode(r->Data());
        EXPECT_EQ(line.sender, a.key) << "the server names the sender";
        EXPECT_EQ(line.receiver, 0);
        EXPECT_EQ(line.text, "hello all");
    }
    ASSERT_TRUE(a.room->SendRoom(201, Room::Chat, Chat(a.key, c.key, "just you")));
    const auto r = c.room->ReceiveId(Room::Chat);
    ASSERT_TRUE(r);
    EXPECT_EQ(net::ChatRecord::Decode(r->Data()).text, "just you");
    EXPECT_TRUE(b.room->Silent());
    EXPECT_TRUE(a.room->Silent()) << "the sender shows his own line himself";
}

TEST_F(RoomServiceTest, DeskListsOfBothModes)
{
    Player a = Enter("tavik", 202, kSecondHall);
    ASSERT_TRUE(a.room->SendRoom(202, Room::DeskListRequest));
    auto r = a.room->ReceiveId(Room::DeskList);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Size(), 12408u);

    Player b = Enter("lina", kChallengeRoom, kChallengeHall);
    ASSERT_TRUE(b.room->SendRoom(kChallengeRoom, Room::DeskListRequest));
    r = b.room->ReceiveId(Room::DeskList);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Size(), 208u);
    ASSERT_TRUE(b.room->SendDesk(kChallengeRoom, 4, 0, net::DeskMsg::Sit));
    r = b.room->ReceiveId(Room::Desk);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Data().U8(0), net::DeskMsg::DeskFull);
}

TEST_F(RoomServiceTest, SeatingRefusalLeavingAndADroppedClient)
{
    Player a = Enter("tavik", 203, kSecondHall), b = Enter("lina", 203, kSecondHall);
    a.room->ReceiveId(Room::PlayerEntered);
    const uint8_t seat1[] = {1, 1}, seat2[] = {1, 2};

    ASSERT_TRUE(a.room->SendDesk(203, 7, 0, net::DeskMsg::Sit, seat1));
    auto r = a.room->ReceiveId(Room::Desk);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Data().U8(0), net::DeskMsg::Seated);
    EXPECT_EQ(net::DeskRecord::Decode(r->Reader().From(16)).seats[0].player.name.Str(), "tavik");
    r = b.room->ReceiveId(Room::SeatTaken);
    ASSERT_TRUE(r);
    auto notice = net::SeatNotice::Decode(r->Data());
    EXPECT_EQ(notice.desk, 7);
    EXPECT_EQ(notice.seat, 1);
    EXPECT_EQ(notice.entry.player.name.Str(), "tavik");

    ASSERT_TRUE(b.room->SendDesk(203, 7, 0, net::DeskMsg::Sit, seat1));
    EXPECT_TRUE(b.room->Silent(300ms)) << "a taken seat is refused without an answer";
    ASSERT_TRUE(b.room->SendDesk(203, 7, 0, net::DeskMsg::Sit, seat2));
    ASSERT_TRUE(b.room->ReceiveId(Room::Desk));

    ASSERT_TRUE(b.room->SendDesk(203, 7, 0, net::DeskMsg::LeaveSeat, seat2));
    r = a.room->ReceiveId(Room::SeatFreed);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Data().U8(2), 2);
    ASSERT_TRUE(b.room->ReceiveId(Room::SeatFreed)) << "the whole room hears of it";

    a.room->Close();
    r = b.room->ReceiveId(Room::SeatFreed);
    ASSERT_TRUE(r) << "a dropped client's seat is freed";
    EXPECT_EQ(r->Data().U8(0), 7);
    EXPECT_EQ(r->Data().U8(2), 1);
    r = b.room->ReceiveId(Room::PlayerLeft);
    ASSERT_TRUE(r);
    EXPECT_EQ(net::PlayerEntry::Decode(r->Data()).key, a.key);
}

} // namespace
