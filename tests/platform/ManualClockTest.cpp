#include "platform/testing/ManualClock.h"

#include <QObject>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using platform::ManualClock;

namespace {

struct ManualClockTest : ::testing::Test {
    ManualClock clock;
    QObject window;
    std::vector<std::string> fired;

    void Set(QObject* w, int id, uint32_t period, std::string name)
    {
        clock.SetTimer(w, id, period, [this, name] { fired.push_back(name + "@" + std::to_string(clock.TickCount())); });
    }
};

TEST_F(ManualClockTest, InstallsItselfAsTheClockWhileItLives)
{
    EXPECT_EQ(&platform::clock(), &clock);
}

TEST_F(ManualClockTest, DueTimersFireInOrderOfDueTimeThenOfSetting)
{
    Set(&window, 2, 500, "b");
    Set(&window, 1, 300, "a");
    Set(&window, 3, 500, "c");
    clock.Advance(1000);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@300", "b@500", "c@500", "a@600", "a@900", "b@1000", "c@1000"}));
}

TEST_F(ManualClockTest, NothingFiresBeforeItsPeriodHasPassed)
{
    Set(&window, 1, 500, "a");
    clock.Advance(499);
    EXPECT_TRUE(fired.empty());
    clock.Advance(1);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@500"}));
}

TEST_F(ManualClockTest, ATimerThatKillsItselfFiresOnce)
{
    clock.SetTimer(&window, 1, 500, [&] {
        fired.push_back("once");
        clock.KillTimer(&window, 1);
    });
    clock.Advance(2000);
    EXPECT_EQ(fired, (std::vector<std::string>{"once"}));
    EXPECT_FALSE(clock.HasTimer(&window, 1));
}

TEST_F(ManualClockTest, AHandlerCanSetAnotherTimerThatFiresWithinTheSameAdvance)
{
    clock.SetTimer(&window, 1, 500, [&] {
        clock.KillTimer(&window, 1);
        Set(&window, 2, 500, "second");
    });
    clock.Advance(1000);
    EXPECT_EQ(fired, (std::vector<std::string>{"second@1000"}));
}

TEST_F(ManualClockTest, SleepAdvancesTimeWithoutFiringAndIsRecorded)
{
    Set(&window, 1, 100, "a");
    clock.Sleep(300);
    EXPECT_TRUE(fired.empty());
    EXPECT_EQ(clock.TickCount(), 300u);
    EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{300}));
    clock.Advance(0);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@300"})) << "an overdue timer fires once when time is next advanced";
}

TEST_F(ManualClockTest, TimersOfADestroyedWindowAreGone)
{
    auto other = std::make_unique<QObject>();
    Set(other.get(), 1, 100, "gone");
    Set(&window, 1, 100, "kept");
    other.reset();
    clock.Advance(100);
    EXPECT_EQ(fired, (std::vector<std::string>{"kept@100"}));
}

TEST_F(ManualClockTest, SettingAnExistingTimerRestartsItsPeriod)
{
    Set(&window, 1, 500, "a");
    clock.Advance(400);
    Set(&window, 1, 500, "a");
    clock.Advance(400);
    EXPECT_TRUE(fired.empty());
    clock.Advance(100);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@900"}));
}

TEST(ManualClockScope, DestroyingItPutsThePreviousClockBack)
{
    platform::Clock* before = &platform::clock();
    {
        ManualClock clock;
        EXPECT_NE(&platform::clock(), before);
    }
    EXPECT_EQ(&platform::clock(), before);
}

} // namespace
