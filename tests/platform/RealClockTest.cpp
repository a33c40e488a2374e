#include "platform/Clock.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace platform {
namespace {

// Runs the event loop until `done` quits it; the guard timer only ends a broken run.
void RunUntilQuit(QEventLoop& done)
{
    QTimer::singleShot(5000, &done, [&done] { done.exit(1); });
    ASSERT_EQ(done.exec(), 0) << "the timers never finished";
}

TEST(RealClockTest, IsTheClockWhenNoneIsInstalled)
{
    Clock* previous = SetClock(nullptr);
    Clock& real = clock();
    SetClock(previous);
    const uint32_t before = real.TickCount();
    real.Sleep(2);
    EXPECT_GE(real.TickCount() - before, 2u);
}

TEST(RealClockTest, PeriodicTimerFiresUntilItKillsItself)
{
    Clock* previous = SetClock(nullptr);
    QObject window;
    QEventLoop done;
    int fired = 0;
    clock().SetTimer(&window, 3, 1, [&] {
        if (++fired == 3) {
            clock().KillTimer(&window, 3);
            QTimer::singleShot(5, &done, &QEventLoop::quit);
        }
    });
    RunUntilQuit(done);
    EXPECT_EQ(fired, 3);
    SetClock(previous);
}

TEST(RealClockTest, HandlerMaySetItsOwnIdAgain)
{
    Clock* previous = SetClock(nullptr);
    QObject window;
    QEventLoop done;
    int first = 0;
    int second = 0;
    clock().SetTimer(&window, 1, 0, [&] {
        ++first;
        clock().KillTimer(&window, 1);
        clock().SetTimer(&window, 1, 1, [&] {
            if (++second == 2)
                done.quit();
        });
    });
    RunUntilQuit(done);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    SetClock(previous);
}

TEST(RealClockTest, TimerDiesWithItsWindow)
{
    Clock* previous = SetClock(nullptr);
    auto window = std::make_unique<QObject>();
    QObject survivor;
    QEventLoop done;
    int windowFired = 0;
    int survivorFired = 0;
    clock().SetTimer(window.get(), 1, 0, [&] {
        ++windowFired;
        window.reset();
    });
    clock().SetTimer(&survivor, 1, 1, [&] {
        if (++survivorFired == 3)
            done.quit();
    });
    RunUntilQuit(done);
    EXPECT_EQ(windowFired, 1);
    EXPECT_EQ(survivorFired, 3);
    SetClock(previous);
}

} // namespace
} // namespace platform
