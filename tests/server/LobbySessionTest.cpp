#include "server/LobbySession.h"
#include "server/MemoryLink.h"
#include "server/PasswordHash.h"
#include "server/UserAdmin.h"

#include "net/ByteReader.h"
#include "net/LoginRequest.h"
#include "net/MsgRecord.h"
#include "net/PlayerRecord.h"

#include <asio/executor_work_guard.hpp>
#include <gtest/gtest.h>

#include <csignal>

namespace {

using server::MemoryLink;
namespace Lobby = net::LobbyMsg;

// A lobby session over an in-memory connection, with the hash pool's results run on
// a loop the test turns itself.
class LobbySessionTest : public ::testing::Test {
protected:
    void SetUp() override { Build(4); }
    void Build(size_t waiting)
    {
        std::string error;
        store = server::AccountStore::Open(":memory:", error);
        ASSERT_TRUE(store) << error;
        ASSERT_TRUE(server::SeedDefaultAccounts(*store, server::HashCost::Test));
        hashes = std::make_unique<server::HashPool>(loop, 1, waiting);
        context = std::make_unique<server::ServerContext>(
            server::ServerContext{*store, online, guard, *hashes, 1000050831u, {}, false});
    }
    static server::InFrame Request(uint8_t id, std::span<const uint8_t> data = {})
    {
        const net::MsgRecord r = net::MsgRecord::Build(id, data);
        return {1, 0, std::vector<uint8_t>(r.Bytes().begin(), r.Bytes().end())};
    }
    static server::InFrame Login(const std::string& name, const std::string& password)
    {
        net::LoginRequest login;
        login.name.Set(name);
        login.password.Set(password);
        return Request(Lobby::LoginRequest, net::Encoded(login));
    }
    // Runs the loop until `link` got `count` frames (or five seconds passed).
    void Await(MemoryLink& link, size_t count)
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (link.sent.size() < count && std::chrono::steady_clock::now() < until)
            loop.run_for(std::chrono::milliseconds(10));
    }
    static uint8_t IdOf(const server::OutFrame& f) { return net::ByteReader(*f).U8(4); }
    static net::ByteReader DataOf(const server::OutFrame& f) { return net::ByteReader(*f).From(12); }

    asio::io_context loop;
    asio::executor_work_guard<asio::io_context::executor_type> work = asio::make_work_guard(loop);
    std::unique_ptr<server::AccountStore> store;
    server::OnlineRegistry online;
    server::LoginGuard guard;
    std::unique_ptr<server::HashPool> hashes;
    std::unique_ptr<server::ServerContext> context;
};

TEST_F(LobbySessionTest, PointsChangesArePushedToTheOnlinePlayer)
{
    MemoryLink link("127.0.0.1");
    server::LobbySession session(*context, link);
    ASSERT_TRUE(session.OnFrame(Login("tavik", "tavik")));
    Await(link, 1);
    ASSERT_EQ(link.sent.size(), 1u);
    ASSERT_EQ(IdOf(link.sent[0]), Lobby::LoginAccepted);
    EXPECT_TRUE(link.loggedIn);

    ASSERT_TRUE(context->AddPoints("tavik", 25));
    ASSERT_EQ(link.sent.size(), 2u);
    EXPECT_EQ(IdOf(link.sent[1]), Lobby::PlayerRecordChanged);
    EXPECT_EQ(net::PlayerRecord::Decode(DataOf(link.sent[1])).points, 125);
    EXPECT_EQ(store->Find("tavik")->points, 125);

    EXPECT_TRUE(context->AddPoints("lina", -5)) << "an offline player's points change too";
    EXPECT_EQ(link.sent.size(), 2u);
    EXPECT_FALSE(context->AddPoints("nobody", 1));
    session.OnClosed();
}

TEST_F(LobbySessionTest, AFullHashQueueAnswersReasonThree)
{
    Build(0);
    MemoryLink link("127.0.0.1");
    server::LobbySession session(*context, link);
    ASSERT_TRUE(session.OnFrame(Login("tavik", "tavik")));
    ASSERT_EQ(link.sent.size(), 1u);
    EXPECT_EQ(IdOf(link.sent[0]), Lobby::LoginRefused);
    EXPECT_EQ(DataOf(link.sent[0]).U8(0), 3);
}

TEST_F(LobbySessionTest, ACheckThatEndsAfterTheSessionFindsNobody)
{
    MemoryLink link("127.0.0.1");
    {
        server::LobbySession session(*context, link);
        ASSERT_TRUE(session.OnFrame(Login("tavik", "tavik")));
        session.OnClosed();
    }
    loop.run_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(link.sent.empty());
    EXPECT_FALSE(online.Find("tavik")) << "nobody was put on line";
}

TEST_F(LobbySessionTest, ASecondLoginWhileTheFirstIsCheckedIsIgnored)
{
    MemoryLink link("127.0.0.1");
    server::LobbySession session(*context, link);
    ASSERT_TRUE(session.OnFrame(Login("tavik", "wrong")));
    ASSERT_TRUE(session.OnFrame(Login("tavik", "tavik")));
    Await(link, 1);
    loop.run_for(std::chrono::milliseconds(200));
    ASSERT_EQ(link.sent.size(), 1u);
    EXPECT_EQ(DataOf(link.sent[0]).U8(0), 2);
    session.OnClosed();
}

TEST_F(LobbySessionTest, ALoginWhoseCheckWasLostIsAskedToTryAgainWithoutAStrike)
{
    // A slow check, so the worker is surely still at it when it is killed.
    ASSERT_TRUE(store->Add({"slow", server::HashPassword("slow", server::HashCost::Interactive), 0, 0,
                            server::AccountState::Active}));
    MemoryLink link("127.0.0.1");
    server::LobbySession session(*context, link);
    // Three lost checks would lock the address if they counted as wrong passwords.
    for (size_t i = 1; i <= 3; ++i) {
        ASSERT_TRUE(session.OnFrame(Login("slow", "slow")));
        ASSERT_EQ(kill(hashes->Workers().front(), SIGKILL), 0);
        Await(link, i);
        ASSERT_EQ(link.sent.size(), i);
        EXPECT_EQ(IdOf(link.sent.back()), Lobby::LoginRefused);
        EXPECT_EQ(DataOf(link.sent.back()).U8(0), 3) << "try again";
    }
    ASSERT_TRUE(session.OnFrame(Login("slow", "slow")));
    Await(link, 4);
    ASSERT_EQ(link.sent.size(), 4u);
    EXPECT_EQ(IdOf(link.sent.back()), Lobby::LoginAccepted);
    session.OnClosed();
}

} // namespace
