#include "server/HashPool.h"
#include "server/PasswordHash.h"

#include <asio/executor_work_guard.hpp>
#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <optional>

#include <unistd.h>

namespace {

TEST(PasswordHash, VerifiesOnlyTheRightPasswordAtEitherCost)
{
    for (const auto cost : {server::HashCost::Test, server::HashCost::Interactive}) {
        const std::string hash = server::HashPassword("tavik", cost);
        ASSERT_FALSE(hash.empty());
        EXPECT_TRUE(server::VerifyPassword(hash, "tavik"));
        EXPECT_FALSE(server::VerifyPassword(hash, "tavi"));
        EXPECT_FALSE(server::VerifyPassword(hash, ""));
    }
    EXPECT_FALSE(server::VerifyPassword("not a hash", "tavik"));
    EXPECT_NE(server::HashPassword("x", server::HashCost::Test), server::HashPassword("x", server::HashCost::Test))
        << "salted";
}

// Runs `loop` until `done` holds, or five seconds passed.
template <class Done>
void RunUntil(asio::io_context& loop, Done done)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done() && std::chrono::steady_clock::now() < until)
        loop.run_for(std::chrono::milliseconds(10));
}

TEST(HashPool, ChecksRunInWorkerProcessesAndTheQueueIsBounded)
{
    asio::io_context loop;
    auto work = asio::make_work_guard(loop);
    const std::string hash = server::HashPassword("tavik", server::HashCost::Test);
    std::map<int, std::optional<bool>> results;
    std::vector<pid_t> workers;
    {
        server::HashPool pool(loop, 2, 3);
        workers = pool.Workers();
        ASSERT_EQ(workers.size(), 2u);
        for (const pid_t pid : workers) {
            EXPECT_NE(pid, getpid()) << "not in the server's own address space";
            EXPECT_EQ(kill(pid, 0), 0) << "running";
        }
        const auto check = [&](int i, const char* password) {
            return pool.Submit(hash, password, [&, i](std::optional<bool> ok) { results[i] = ok; });
        };
        // Two are being checked, three may wait, the sixth is refused.
        ASSERT_TRUE(check(0, "tavik"));
        ASSERT_TRUE(check(1, "wrong"));
        for (int i = 2; i < 5; ++i)
            ASSERT_TRUE(check(i, i % 2 ? "tavi" : "tavik"));
        EXPECT_EQ(pool.Waiting(), 3u) << "at most two at once";
        EXPECT_FALSE(check(5, "tavik"));
        RunUntil(loop, [&] { return results.size() == 5; });
        EXPECT_EQ(pool.Waiting(), 0u);
    }
    const std::map<int, std::optional<bool>> expected{{0, true}, {1, false}, {2, true}, {3, false}, {4, true}};
    EXPECT_EQ(results, expected);
    for (const pid_t pid : workers)
        EXPECT_NE(kill(pid, 0), 0) << "the pool ends its workers";
}

TEST(HashPool, AWorkerThatDiesUnderItsCheckIsReplaced)
{
    asio::io_context loop;
    auto work = asio::make_work_guard(loop);
    server::HashPool pool(loop, 1, 4);
    // A slow check, so the worker is surely still at it when it is killed.
    const std::string slow = server::HashPassword("tavik", server::HashCost::Interactive);
    std::vector<std::optional<bool>> results;
    const auto record = [&](std::optional<bool> ok) { results.push_back(ok); };
    const pid_t first = pool.Workers().front();
    ASSERT_TRUE(pool.Submit(slow, "tavik", record));
    ASSERT_TRUE(pool.Submit(server::HashPassword("lina", server::HashCost::Test), "lina", record));
    ASSERT_EQ(kill(first, SIGKILL), 0);
    RunUntil(loop, [&] { return results.size() == 2; });
    EXPECT_EQ(results, (std::vector<std::optional<bool>>{std::nullopt, true}))
        << "the lost check is answered not checked, the next one by the new worker";
    EXPECT_NE(pool.Workers().front(), first);
}

} // namespace
