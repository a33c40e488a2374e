#include "server/SendQueue.h"

#include <gtest/gtest.h>

namespace {

using server::OutFrame;
using server::SendQueue;

OutFrame Bytes(size_t n) { return std::make_shared<const std::vector<uint8_t>>(n, 1); }

TEST(SendQueue, CapInFramesCountsTheBatchOnTheWire)
{
    SendQueue q({4, 1 << 20});
    ASSERT_TRUE(q.Push(Bytes(10)));
    ASSERT_TRUE(q.Push(Bytes(10)));
    EXPECT_EQ(q.TakeBatch().size(), 2u);
    EXPECT_TRUE(q.TakeBatch().empty()) << "one gathered write at a time";
    EXPECT_TRUE(q.Push(Bytes(10)));
    EXPECT_TRUE(q.Push(Bytes(10)));
    EXPECT_FALSE(q.Push(Bytes(10))) << "frames still being written have not left yet";
    q.BatchDone();
    EXPECT_TRUE(q.Push(Bytes(10)));
    EXPECT_EQ(q.TakeBatch().size(), 3u);
}

TEST(SendQueue, CapInBytes)
{
    SendQueue q({64, 100});
    ASSERT_TRUE(q.Push(Bytes(60)));
    EXPECT_FALSE(q.Push(Bytes(41)));
    EXPECT_TRUE(q.Push(Bytes(40)));
    EXPECT_EQ(q.Bytes(), 100u);
    q.TakeBatch();
    q.BatchDone();
    EXPECT_EQ(q.Bytes(), 0u);
    EXPECT_TRUE(q.Push(Bytes(100)));
}

} // namespace
