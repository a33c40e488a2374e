#include "server/AddressLimiter.h"
#include "server/LoginGuard.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using server::LoginGuard;
using TimePoint = LoginGuard::TimePoint;

TEST(LoginGuard, ThreeWrongPasswordsInAMinuteLockThatAddressForAMinute)
{
    LoginGuard g;
    const TimePoint t0{};
    g.Failed("tavik", "127.0.0.2", t0);
    g.Failed("tavik", "127.0.0.2", t0 + 20s);
    EXPECT_FALSE(g.Locked("tavik", "127.0.0.2", t0 + 21s));
    g.Failed("tavik", "127.0.0.2", t0 + 40s);
    EXPECT_TRUE(g.Locked("tavik", "127.0.0.2", t0 + 41s));
    EXPECT_FALSE(g.Locked("tavik", "127.0.0.3", t0 + 41s)) << "the owner elsewhere is not locked out";
    EXPECT_FALSE(g.Locked("lina", "127.0.0.2", t0 + 41s));
    EXPECT_TRUE(g.Locked("tavik", "127.0.0.2", t0 + 99s));
    EXPECT_FALSE(g.Locked("tavik", "127.0.0.2", t0 + 100s));
}

TEST(LoginGuard, FailuresOlderThanAMinuteDoNotCount)
{
    LoginGuard g;
    const TimePoint t0{};
    g.Failed("tavik", "a", t0);
    g.Failed("tavik", "a", t0 + 30s);
    g.Failed("tavik", "a", t0 + 61s);
    EXPECT_FALSE(g.Locked("tavik", "a", t0 + 62s));
}

TEST(LoginGuard, ASuccessForgetsTheFailures)
{
    LoginGuard g;
    const TimePoint t0{};
    g.Failed("tavik", "a", t0);
    g.Failed("tavik", "a", t0);
    g.Succeeded("tavik", "a");
    g.Failed("tavik", "a", t0);
    EXPECT_FALSE(g.Locked("tavik", "a", t0));
}

TEST(AddressLimiter, LimitPerAddressAndZeroMeansNone)
{
    server::AddressLimiter two(2);
    EXPECT_TRUE(two.Acquire("a"));
    EXPECT_TRUE(two.Acquire("a"));
    EXPECT_FALSE(two.Acquire("a"));
    EXPECT_TRUE(two.Acquire("b"));
    two.Release("a");
    EXPECT_TRUE(two.Acquire("a"));
    server::AddressLimiter none(0);
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(none.Acquire("a"));
}

} // namespace
