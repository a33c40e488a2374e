#include "server/SendQueue.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

namespace {

using server::OutFrame;
using server::SendQueue;

// A frame of n bytes counting up from `first`, so a piece shows where it starts.
OutFrame Bytes(size_t n, uint8_t first = 0)
{
    std::vector<uint8_t> b(n);
    std::iota(b.begin(), b.end(), first);
    return std::make_shared<const std::vector<uint8_t>>(std::move(b));
}

TEST(SendQueue, CapInFramesCountsWhatTheKernelHasNotTaken)
{
    SendQueue q({3, 1 << 20});
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(q.Push(Bytes(10)));
    EXPECT_FALSE(q.Push(Bytes(10)));
    q.Consume(15); // the first frame and half the second
    EXPECT_EQ(q.Frames(), 2u);
    EXPECT_EQ(q.Bytes(), 15u);
    EXPECT_TRUE(q.Push(Bytes(10)));
    EXPECT_FALSE(q.Push(Bytes(10))) << "a frame begun is still there";
}

TEST(SendQueue, CapInBytes)
{
    SendQueue q({64, 100});
    ASSERT_TRUE(q.Push(Bytes(60)));
    EXPECT_FALSE(q.Push(Bytes(41)));
    EXPECT_TRUE(q.Push(Bytes(40)));
    EXPECT_EQ(q.Bytes(), 100u);
    q.Consume(100);
    EXPECT_TRUE(q.Empty());
    EXPECT_EQ(q.Bytes(), 0u);
    EXPECT_TRUE(q.Push(Bytes(100)));
}

TEST(SendQueue, PendingPiecesResumeWhereTheLastWriteStopped)
{
    SendQueue q({64, 1 << 20});
    q.Push(Bytes(8, 0));
    q.Push(Bytes(8, 100));
    q.Push(Bytes(8, 200));
    std::array<asio::const_buffer, 2> pieces;
    q.Consume(11);
    ASSERT_EQ(q.Pending(pieces), 2u) << "no more pieces than room for them";
    EXPECT_EQ(pieces[0].size(), 5u);
    EXPECT_EQ(*static_cast<const uint8_t*>(pieces[0].data()), 103) << "the second frame from its fourth byte";
    EXPECT_EQ(pieces[1].size(), 8u);
    EXPECT_EQ(*static_cast<const uint8_t*>(pieces[1].data()), 200);
    q.Consume(13);
    EXPECT_TRUE(q.Empty());
    EXPECT_EQ(q.Pending(pieces), 0u);
}

} // namespace
