#include "platform/testing/ManualClock.h"

#include <QObject>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace platform {
namespace {

// Timers on one window that log "<name>@<tick>" each time they fire.
class ManualClockTest : public ::testing::Test {
protected:
    void Set(int id, uint32_t period, const std::string& name, QObject* on = nullptr)
    {
        clock_.SetTimer(on ? on : &window_, id, period, [this, name] { Log(name); });
    }
    void Log(const std::string& name) { fired_.push_back(name + "@" + std::to_string(clock_.TickCount())); }

    ManualClock clock_;
    QObject window_;
    std::vector<std::string> fired_;
};

TEST_F(ManualClockTest, InstallsItselfWhileItLives)
{
    EXPECT_EQ(&clock(), &clock_);
    {
        ManualClock inner;
        EXPECT_EQ(&clock(), &inner);
    }
    EXPECT_EQ(&clock(), &clock_);
}

TEST_F(ManualClockTest, DueTimersFireInOrderOfDueTimeThenOfSetting)
{
    Set(1, 300, "a");
    Set(2, 100, "b");
    Set(3, 200, "c");
    Set(4, 100, "d");  // due with b, set after it
    clock_.Advance(250);
    EXPECT_EQ(fired_, (std::vector<std::string>{"b@100", "d@100", "c@200", "b@200", "d@200"}));
    EXPECT_EQ(clock_.TickCount(), 250u);
}

TEST_F(ManualClockTest, PeriodicTimerReArmsFromItsFiringTime)
{
    Set(1, 100, "t");
    clock_.Advance(99);
    EXPECT_TRUE(fired_.empty());
    clock_.Advance(1);
    clock_.Advance(250);
    EXPECT_EQ(fired_, (std::vector<std::string>{"t@100", "t@200", "t@300"}));
}

TEST_F(ManualClockTest, SettingAgainRestartsThePeriod)
{
    Set(1, 100, "t");
    clock_.Advance(60);
    Set(1, 100, "u");
    clock_.Advance(100);
    EXPECT_EQ(fired_, (std::vector<std::string>{"u@160"}));
}

TEST_F(ManualClockTest, HandlerMayKillItselfOrAnotherTimerDueAtTheSameTime)
{
    clock_.SetTimer(&window_, 1, 100, [this] {
        Log("killer");
        clock_.KillTimer(&window_, 1);
        clock_.KillTimer(&window_, 2);
    });
    Set(2, 100, "victim");
    clock_.Advance(500);
    EXPECT_EQ(fired_, (std::vector<std::string>{"killer@100"}));
    EXPECT_FALSE(clock_.HasTimer(&window_, 1));
    EXPECT_FALSE(clock_.HasTimer(&window_, 2));
}

TEST_F(ManualClockTest, HandlerMaySetItselfAnewWithAnotherPeriod)
{
    clock_.SetTimer(&window_, 1, 100, [this] {
        Log("first");
        Set(1, 300, "second");
    });
    clock_.Advance(1000);
    EXPECT_EQ(fired_, (std::vector<std::string>{"first@100", "second@400", "second@700", "second@1000"}));
}

TEST_F(ManualClockTest, SleepAdvancesTimeWithoutFiringAndOverdueTimerFiresOnce)
{
    Set(1, 100, "t");
    clock_.Sleep(450);
    clock_.Sleep(100);
    EXPECT_TRUE(fired_.empty());
    EXPECT_EQ(clock_.TickCount(), 550u);
    EXPECT_EQ(clock_.Sleeps(), (std::vector<uint32_t>{450, 100}));
    // Like a WM_TIMER that waited in the queue: one firing, then the period again.
    clock_.Advance(0);
    clock_.Advance(100);
    EXPECT_EQ(fired_, (std::vector<std::string>{"t@550", "t@650"}));
}

TEST_F(ManualClockTest, TimersOfADestroyedWindowAreGone)
{
    auto other = std::make_unique<QObject>();
    QObject* gone = other.get();
    Set(1, 100, "other", gone);
    Set(2, 100, "kept", gone);
    Set(1, 100, "window");
    other.reset();
    EXPECT_FALSE(clock_.HasTimer(gone, 1));
    EXPECT_FALSE(clock_.HasTimer(gone, 2));
    clock_.Advance(100);
    EXPECT_EQ(fired_, (std::vector<std::string>{"window@100"}));
}

TEST_F(ManualClockTest, HandlerMayDestroyItsWindow)
{
    auto other = std::make_unique<QObject>();
    clock_.SetTimer(other.get(), 1, 100, [this, &other] {
        Log("closing");
        other.reset();
    });
    Set(2, 100, "after", other.get());
    Set(1, 150, "window");
    clock_.Advance(300);
    EXPECT_EQ(fired_, (std::vector<std::string>{"closing@100", "window@150", "window@300"}));
}

TEST_F(ManualClockTest, SameIdOnTwoWindowsAreTwoTimers)
{
    QObject second;
    Set(7, 100, "first");
    Set(7, 150, "second", &second);
    clock_.KillTimer(&window_, 7);
    clock_.Advance(150);
    EXPECT_EQ(fired_, (std::vector<std::string>{"second@150"}));
}

TEST_F(ManualClockTest, TickCountWrapsLikeAThirtyTwoBitCounter)
{
    clock_.Sleep(0xFFFFFFF0u);
    clock_.Advance(0x20);
    EXPECT_EQ(clock_.TickCount(), 0x10u);
}

} // namespace
} // namespace platform
