// The lobby conversation against the real morvane-server over loopback.
#include "ServerProcess.h"
#include "TestClient.h"

#include "net/Gbk.h"
#include "net/HallList.h"
#include "net/MsgIds.h"
#include "net/PlayerRecord.h"

#include <gtest/gtest.h>

namespace {

using namespace servertest;
namespace Lobby = net::LobbyMsg;

class LobbyServiceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        server = new ServerProcess();
        ASSERT_TRUE(server->Started());
        ASSERT_EQ(server->Admin({"user", "add", "unopened", "pw"}), 0);
        ASSERT_EQ(server->Admin({"user", "set", "unopened", "--state", "unopened"}), 0);
        ASSERT_EQ(server->Admin({"user", "add", "suspended", "pw"}), 0);
        ASSERT_EQ(server->Admin({"user", "set", "suspended", "--state", "suspended"}), 0);
        ASSERT_EQ(server->Admin({"user", "set", "bora", "--points", "321", "--tally", "7"}), 0);
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }
    static ServerProcess* server;
};
ServerProcess* LobbyServiceTest::server = nullptr;

TEST_F(LobbyServiceTest, VersionIsTheConfiguredOne)
{
    TestClient c(server->LobbyPort());
    ASSERT_TRUE(c.SendLobby(Lobby::VersionRequest));
    const auto r = c.Receive();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Id(), Lobby::Version);
    EXPECT_EQ(r->Data().U32(0), net::kClientVersion);
}

TEST(LobbyServiceVersion, NoneConfiguredIsTold)
{
    ServerProcess server({"--version", "0"});
    ASSERT_TRUE(server.Started());
    TestClient c(server.LobbyPort());
    ASSERT_TRUE(c.SendLobby(Lobby::VersionRequest));
    const auto r = c.Receive();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Id(), Lobby::VersionMissing);
}

TEST_F(LobbyServiceTest, EachRefusalReasonAndTheConnectionStaysForTheNextTry)
{
    TestClient online(server->LobbyPort());
    ASSERT_EQ(online.LobbyLogin("lina", "lina"), 0);
    struct Case {
        const char* name;
        std::string user, password;
        int reason;
    };
    const Case cases[] = {
        {"NoSuchUser", "nobody", "x", 1}, {"WrongPassword", "mira", "wrong", 2},
        {"NotOpened", "unopened", "pw", 4}, {"Suspended", "suspended", "pw", 5},
        {"AlreadyOnLine", "lina", "lina", 6},
    };
    TestClient c(server->LobbyPort());
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(c.LobbyLogin(k.user, k.password), k.reason);
    }
    EXPECT_EQ(c.LobbyLogin("mira", "mira"), 0) << "the refused connection logs in after a retype";
}

TEST_F(LobbyServiceTest, RecordComesFromTheDatabase)
{
    TestClient c(server->LobbyPort());
    ASSERT_TRUE(c.SendLobby(Lobby::PlayerRecordRequest));
    auto r = c.Receive();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Id(), Lobby::PlayerRecordMissing) << "no record before the login";
    ASSERT_EQ(c.LobbyLogin("bora", "bora"), 0);
    ASSERT_TRUE(c.SendLobby(Lobby::PlayerRecordRequest));
    r = c.Receive();
    ASSERT_TRUE(r);
    ASSERT_EQ(r->Id(), Lobby::PlayerRecord);
    const auto record = net::PlayerRecord::Decode(r->Data());
    EXPECT_EQ(record.name.Str(), "bora");
    EXPECT_EQ(record.points, 321);
    EXPECT_EQ(record.tally, 7);

    ASSERT_EQ(server->Admin({"user", "set", "bora", "--points", "400"}), 0);
    ASSERT_TRUE(c.SendLobby(Lobby::ChallengeLeft));
    r = c.Receive();
    ASSERT_TRUE(r);
    ASSERT_EQ(r->Id(), Lobby::PlayerRecordChanged);
    EXPECT_EQ(net::PlayerRecord::Decode(r->Data()).points, 400);
    ASSERT_EQ(server->Admin({"user", "set", "bora", "--points", "321"}), 0);
}

TEST_F(LobbyServiceTest, HallListOnKindTwoWithThePortsInUse)
{
    TestClient c(server->LobbyPort());
    ASSERT_TRUE(c.SendLobby(Lobby::HallListRequest));
    EXPECT_TRUE(c.Silent()) << "request 21 travels as kind 2 only";
    ASSERT_TRUE(c.SendLobby(Lobby::HallListRequest, {}, net::EnvelopeKind::LobbyList));
    const auto r = c.Receive();
    ASSERT_TRUE(r);
    ASSERT_EQ(r->Id(), Lobby::HallList);
    const net::HallList list = net::HallList::Decode(r->Data());
    EXPECT_EQ(net::Encoded(list).size(), r->DataLength()) << "the halls fill the data exactly";
    ASSERT_EQ(list.halls.size(), 12u);
    for (size_t i = 0; i < list.halls.size(); ++i) {
        const auto& h = list.halls[i].hall;
        SCOPED_TRACE(i);
        EXPECT_NE(h.gameType, 5);
        EXPECT_EQ(h.port, server->RoomPort(i));
        EXPECT_EQ(h.address.Str(), "127.0.0.1");
    }
    EXPECT_EQ(list.halls[0].hall.name.Str(), net::Utf8ToGbk("田忌赛马"));
}

TEST_F(LobbyServiceTest, LogoutEndsTheSessionAndUnknownIdsAreIgnored)
{
    TestClient first(server->LobbyPort());
    ASSERT_EQ(first.LobbyLogin("tavik", "tavik"), 0);
    ASSERT_TRUE(first.SendLobby(99));
    ASSERT_TRUE(first.SendLobby(Lobby::LoginAccepted));
    EXPECT_TRUE(first.Silent());
    ASSERT_TRUE(first.SendLobby(Lobby::Logout));
    TestClient second(server->LobbyPort());
    EXPECT_EQ(second.LobbyLogin("tavik", "tavik"), 0) << "no longer on line after 14";
    TestClient third(server->LobbyPort());
    EXPECT_EQ(third.LobbyLogin("tavik", "tavik"), 6);
    second.Close();
    // A dropped lobby connection ends its session too.
    for (int i = 0; i < 50 && third.LobbyLogin("tavik", "tavik") == 6; ++i)
        std::this_thread::sleep_for(20ms);
    TestClient fourth(server->LobbyPort());
    EXPECT_EQ(fourth.LobbyLogin("tavik", "tavik"), 6) << "third is on line now";
}

TEST(LobbyServiceAdmin, FreshDatabaseHoldsTheDefaultPlayers)
{
    ServerProcess server;
    ASSERT_TRUE(server.Started());
    std::string list;
    ASSERT_EQ(server.Admin({"user", "list"}, &list), 0);
    for (const char* name : {"tavik", "lina", "bora"})
        EXPECT_NE(list.find(name), std::string::npos) << name;
    EXPECT_NE(server.Admin({"user", "add", "tavik", "again"}), 0) << "a taken name";
    EXPECT_NE(server.Admin({"user", "set", "nobody", "--points", "1"}), 0);
    EXPECT_NE(server.Admin({"user", "add", "aname-longer-than-twenty", "x"}), 0);
    ASSERT_EQ(server.Admin({"user", "add", "新人", "pw"}), 0);
    TestClient c(server.LobbyPort());
    EXPECT_EQ(c.LobbyLogin(net::Utf8ToGbk("新人"), "pw"), 0) << "names typed as UTF-8 are stored as GBK";
}

} // namespace
