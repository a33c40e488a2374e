#include "platform/Clock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs the event loop until `done` or a generous cap; the timers here are 1 ms.
template <typename Done>
void RunUntil(Done done)
{
    QEventLoop loop;
    QTimer cap;
    cap.setSingleShot(true);
    QObject::connect(&cap, &QTimer::timeout, &loop, &QEventLoop::quit);
    cap.start(5000);
    while (!done() && cap.isActive())
        loop.processEvents(QEventLoop::WaitForMoreEvents, 50);
}

TEST(RealClock, AWindowTimerFiresUntilKilledAndCanBeSetAgain)
{
    QObject window;
    int fired = 0;
    platform::clock().SetTimer(&window, 7, 1, [&] {
        if (++fired == 3)
            platform::clock().KillTimer(&window, 7);
    });
    RunUntil([&] { return fired >= 3; });
    EXPECT_EQ(fired, 3);

    int again = 0;
    platform::clock().SetTimer(&window, 7, 1, [&] { ++again; });
    RunUntil([&] { return again >= 1; });
    EXPECT_GE(again, 1) << "a killed id can be set again";
    platform::clock().KillTimer(&window, 7);
}

TEST(RealClock, SleepBlocksForAtLeastItsTime)
{
    const uint32_t before = platform::clock().TickCount();
    platform::clock().Sleep(20);
    EXPECT_GE(platform::clock().TickCount() - before, 20u);
}

} // namespace
