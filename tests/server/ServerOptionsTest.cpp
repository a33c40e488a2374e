#include "server/ServerOptions.h"

#include <gtest/gtest.h>

namespace {

using server::ParseServerOptions;
using server::ServerOptions;
using server::UserCommand;

std::optional<ServerOptions> Parse(std::vector<std::string> args)
{
    std::string error;
    auto o = ParseServerOptions(args, error);
    EXPECT_EQ(o.has_value(), error.empty()) << "a refusal says why";
    return o;
}

TEST(ServerOptions, DefaultsServeLoopbackOn8080WithTheClientsVersion)
{
    const auto o = Parse({});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->host, "127.0.0.1");
    EXPECT_EQ(o->lobbyPort, 8080);
    EXPECT_EQ(o->roomPortBase, 8081);
    EXPECT_EQ(o->version, 1000050831u);
    EXPECT_EQ(o->hashCost, server::HashCost::Interactive);
    EXPECT_EQ(o->limits.send.maxFrames, 64u);
    EXPECT_EQ(o->limits.send.maxBytes, 256u * 1024);
    EXPECT_EQ(o->limits.requestDeadline, std::chrono::seconds(15));
    EXPECT_EQ(o->limits.loginDeadline, std::chrono::minutes(10));
    EXPECT_EQ(o->perAddress, 64u);
    EXPECT_EQ(o->user.verb, UserCommand::Verb::None);
}

TEST(ServerOptions, ValuesAreRead)
{
    const auto o = Parse({"--host", "0.0.0.0", "--lobby-port", "0", "--room-port-base", "9000", "--db", "/x/y.db",
                          "--halls", "h.json", "--version", "0", "--room-capacity", "2", "--keepalive", "5,2,3",
                          "--per-address", "0", "--hash-cost", "test", "--login-deadline-ms", "1500",
                          "--hash-workers", "1", "--hash-waiting", "200"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->host, "0.0.0.0");
    EXPECT_EQ(o->lobbyPort, 0);
    EXPECT_EQ(o->roomPortBase, 9000);
    EXPECT_EQ(o->db, "/x/y.db");
    EXPECT_EQ(o->hallsFile, "h.json");
    EXPECT_FALSE(o->version) << "version 0: none configured";
    EXPECT_EQ(o->roomCapacity, 2u);
    EXPECT_EQ(o->limits.keepAlive.idleSeconds, 5);
    EXPECT_EQ(o->limits.keepAlive.probes, 3);
    EXPECT_EQ(o->perAddress, 0u);
    EXPECT_EQ(o->hashCost, server::HashCost::Test);
    EXPECT_EQ(o->limits.loginDeadline, std::chrono::milliseconds(1500));
    EXPECT_EQ(o->hashWorkers, 1u);
    EXPECT_EQ(o->hashWaiting, 200u);
}

TEST(ServerOptions, UserCommands)
{
    auto o = Parse({"--db", "a.db", "user", "add", "tavik", "secret"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->user.verb, UserCommand::Verb::Add);
    EXPECT_EQ(o->user.name, "tavik");
    EXPECT_EQ(o->user.password, "secret");
    EXPECT_EQ(o->db, "a.db");
    o = Parse({"user", "set", "lina", "--points", "-5", "--state", "suspended", "--db", "b.db"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->user.verb, UserCommand::Verb::Set);
    EXPECT_EQ(o->user.points, -5);
    EXPECT_FALSE(o->user.tally);
    EXPECT_EQ(o->user.state, server::AccountState::Suspended);
    EXPECT_EQ(o->db, "b.db");
    o = Parse({"user", "list"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->user.verb, UserCommand::Verb::List);
}

TEST(ServerOptions, BadCommandLinesAreRefused)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--lobby-port", "65536"}, {"--lobby-port"},          {"--lobby-port", "80x"},
        {"--frobnicate"},          {"--room-capacity", "0"}, {"--hash-cost", "cheap"},
        {"--keepalive", "5,2"},    {"serve"},                {"user", "add", "tavik"},
        {"--hash-workers", "0"},   {"--hash-waiting", "-1"},
        {"user", "set", "tavik"},  {"user", "set", "tavik", "--state", "asleep"},
        {"user", "set", "tavik", "--points", "many"},        {"user", "list", "extra"},
    };
    for (const auto& args : cases) {
        std::string joined;
        for (const auto& a : args)
            joined += a + " ";
        SCOPED_TRACE(joined);
        EXPECT_FALSE(Parse(args));
    }
}

TEST(ServerOptions, HelpNamesEveryOption)
{
    const std::string help = server::HelpText();
    for (const char* name : {"--host", "--lobby-port", "--room-port-base", "--db", "--halls", "--version",
                             "--room-capacity", "user add", "user set", "user list", "listening lobby="})
        EXPECT_NE(help.find(name), std::string::npos) << name;
}

} // namespace
