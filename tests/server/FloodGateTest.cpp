#include "server/FloodGate.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using namespace std::chrono_literals;
using server::FloodGate;
using server::InFrame;
using Clock = std::chrono::steady_clock;

InFrame Line(uint32_t n) { return InFrame{4, n, {}}; }

struct FloodCase {
    const char* name;
    double perSecond;       // lines the client sends per second
    bool floods;            // the connection must be closed
    bool delayed;           // some line is delivered after waiting its turn
};

class FloodRate : public ::testing::TestWithParam<FloodCase> {};

// A client sends lines at a steady rate for 10 s on a manual clock; the gate is
// polled every 10 ms the way the connection's timer would.
TEST_P(FloodRate, DelaysWithoutLossOrClosesAFlood)
{
    const FloodCase c = GetParam();
    const Clock::time_point start{};
    FloodGate gate({}, start);
    const auto gap = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / c.perSecond));
    uint32_t sent = 0, delivered = 0;
    Clock::duration longestWait{};
    bool flooded = false;
    std::vector<Clock::time_point> sentAt;
    for (auto now = start; now < start + 15s && !flooded; now += 1ms) {
        while (now < start + 10s && start + sent * gap <= now) {
            if (!gate.Offer(Line(sent), true, now)) {
                flooded = true;
                break;
            }
            sentAt.push_back(now);
            ++sent;
        }
        for (const InFrame& f : gate.Release(now)) {
            ASSERT_EQ(f.target, delivered) << "lines keep their order";
            longestWait = std::max(longestWait, now - sentAt[delivered]);
            ++delivered;
        }
    }
    EXPECT_EQ(flooded, c.floods);
    EXPECT_EQ(longestWait > 0s, c.delayed);
    if (!c.floods)
        EXPECT_EQ(delivered, sent) << "a delayed line is not lost";
    else
        EXPECT_EQ(sent - delivered, 20u) << "the flood is the line after 20 waiting ones";
}

INSTANTIATE_TEST_SUITE_P(Rates, FloodRate,
    ::testing::Values(FloodCase{"OnePerSecond", 1, false, false}, FloodCase{"TwoPerSecond", 2, false, false},
                      FloodCase{"ThreePerSecond", 3, false, true}, FloodCase{"TenPerSecond", 10, true, true},
                      FloodCase{"ThousandPerSecond", 1000, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FloodGate, BurstPassesAtOnceThenTwoPerSecond)
{
    const Clock::time_point t0{};
    FloodGate gate({}, t0);
    for (uint32_t i = 0; i < 7; ++i)
        ASSERT_TRUE(gate.Offer(Line(i), true, t0));
    EXPECT_EQ(gate.Release(t0).size(), 5u);
    ASSERT_TRUE(gate.NextRelease());
    EXPECT_EQ(*gate.NextRelease(), t0 + 500ms);
    EXPECT_TRUE(gate.Release(t0 + 499ms).empty());
    EXPECT_EQ(gate.Release(t0 + 500ms).size(), 1u);
    EXPECT_EQ(gate.Release(t0 + 1000ms).size(), 1u);
    EXPECT_FALSE(gate.NextRelease());
}

TEST(FloodGate, UnthrottledRequestsWaitBehindHeldLinesButCostNoToken)
{
    const Clock::time_point t0{};
    FloodGate gate({1, 2, 20}, t0);
    ASSERT_TRUE(gate.Offer(Line(0), true, t0));
    ASSERT_TRUE(gate.Offer(Line(1), true, t0));
    ASSERT_TRUE(gate.Offer(Line(2), false, t0));
    EXPECT_EQ(gate.Release(t0).size(), 1u) << "the player list request stays behind the held line";
    const auto later = gate.Release(t0 + 500ms);
    ASSERT_EQ(later.size(), 2u);
    EXPECT_EQ(later[1].target, 2u);
}

} // namespace
