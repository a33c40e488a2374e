#pragma once
// Test clock: time moves only when the test advances it. Due timers fire in order of
// their due time (ties in order of setting); Sleep advances time without firing
// timers, as a thread blocked in a sleep would. Constructing one installs it as the
// clock; destroying it puts the previous clock back.
#include "platform/Clock.h"

#include <QMetaObject>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace platform {

class ManualClock : public Clock {
public:
    ManualClock();
    ~ManualClock() override;
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

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
    struct Timer {
        uint64_t due = 0;
        uint32_t period = 0;
        uint64_t order = 0;
        std::function<void()> fire;
        QMetaObject::Connection destroyed;
    };
    using Key = std::pair<QObject*, int>;

    void Remove(const Key& key);

    uint64_t now_ = 0;
    uint64_t sequence_ = 0;
    std::map<Key, Timer> timers_;
    std::vector<uint32_t> sleeps_;
    Clock* previous_ = nullptr;
};

} // namespace platform
