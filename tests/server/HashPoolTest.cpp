#include "server/HashPool.h"
#include "server/PasswordHash.h"

#include <asio/executor_work_guard.hpp>
#include <gtest/gtest.h>

#include <atomic>
#include <future>

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

TEST(HashPool, ResultsComeBackOnTheLoopAndTheQueueIsBounded)
{
    asio::io_context loop;
    // Keeps run_one waiting for the workers' results instead of returning at once.
    auto work = asio::make_work_guard(loop);
    std::promise<void> release;
    std::shared_future<void> gate = release.get_future().share();
    std::atomic<int> running{0};
    std::vector<bool> results;
    {
        server::HashPool pool(loop, 2, 3);
        const std::thread::id loopThread = std::this_thread::get_id();
        auto job = [&running, gate] {
            ++running;
            gate.wait();
            return true;
        };
        auto done = [&](bool ok) {
            EXPECT_EQ(std::this_thread::get_id(), loopThread);
            results.push_back(ok);
        };
        ASSERT_TRUE(pool.Submit(job, done));
        ASSERT_TRUE(pool.Submit(job, done));
        while (running < 2)
            std::this_thread::yield();
        // Both workers are busy: three may wait, the fourth is refused.
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(pool.Submit(job, done));
        EXPECT_FALSE(pool.Submit(job, done));
        EXPECT_EQ(running.load(), 2) << "at most two at once";
        release.set_value();
        while (results.size() < 5)
            loop.run_one();
    }
    EXPECT_EQ(results, std::vector<bool>(5, true));
}

} // namespace
