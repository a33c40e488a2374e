#pragma once
// Test clock: time moves only when the test advances it. Due timers fire in order of
// their due time (ties in order of setting); Sleep advances time without firing
// timers, as a thread blocked in a sleep would.
#include "platform/Clock.h"

#include <map>
#include <utility>
#include <vector>

namespace platform {

class ManualClock : public Clock {
public:
    ManualClock();
    ~ManualClock() override;

    uint32_t TickCount() override;
    void Sleep(uint32_t ms) override;
    void SetTimer(QObject* window, int id, uint32_t periodMs, std::function<void()> fire) override;
    void KillTimer(QObject* window, int id) override;

    // Moves time forward by `ms`, firing every timer that falls due on the way.
    void Advance(uint32_t ms);
    bool HasTimer(QObject* window, int id) const;
    // Every Sleep call in order, so tests can check pause patterns.
    const std::vector<uint32_t>& Sleeps() const { return sleeps_; }
    void ClearSleeps() { sleeps_.clear(); }

private:
    struct Timer;
    uint64_t now_ = 0;
    uint64_t sequence_ = 0;
    std::map<std::pair<QObject*, int>, Timer*> timers_;
    std::vector<uint32_t> sleeps_;
    Clock* previous_ = nullptr;
};

} // namespace platform
