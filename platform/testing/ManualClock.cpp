#include "platform/testing/ManualClock.h"

#include <QObject>

namespace platform {

ManualClock::ManualClock()
    : previous_(SetClock(this))
{
}

ManualClock::~ManualClock()
{
    for (auto& [key, timer] : timers_)
        QObject::disconnect(timer.destroyed);
    SetClock(previous_);
}

uint32_t ManualClock::TickCount()
{
    return static_cast<uint32_t>(now_);
}

void ManualClock::Sleep(uint32_t ms)
{
    sleeps_.push_back(ms);
    now_ += ms;
}

void ManualClock::SetTimer(QObject* window, int id, uint32_t periodMs, std::function<void()> fire)
{
    Key key{window, id};
    Remove(key);
    Timer& timer = timers_[key];
    timer.due = now_ + periodMs;
    timer.period = periodMs;
    timer.order = sequence_++;
    timer.fire = std::move(fire);
    if (window)
        timer.destroyed = QObject::connect(window, &QObject::destroyed, [this, window] {
            for (auto it = timers_.begin(); it != timers_.end();)
                it = it->first.first == window ? timers_.erase(it) : std::next(it);
        });
}

void ManualClock::KillTimer(QObject* window, int id)
{
    Remove({window, id});
}

bool ManualClock::HasTimer(QObject* window, int id) const
{
    return timers_.count({window, id}) != 0;
}

void ManualClock::Remove(const Key& key)
{
    auto it = timers_.find(key);
    if (it == timers_.end())
        return;
    QObject::disconnect(it->second.destroyed);
    timers_.erase(it);
}

void ManualClock::Advance(uint32_t ms)
{
    const uint64_t end = now_ + ms;
    for (;;) {
        // The earliest due timer within reach; a handler may set or kill any timer.
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.due > end)
                continue;
            if (next == timers_.end() || it->second.due < next->second.due
                || (it->second.due == next->second.due && it->second.order < next->second.order))
                next = it;
        }
        if (next == timers_.end())
            break;
        if (next->second.due > now_)
            now_ = next->second.due;
        std::function<void()> fire = next->second.fire;
        // Re-arm first, so that the handler can kill the timer or set it anew.
        next->second.due = now_ + (next->second.period ? next->second.period : 1);
        next->second.order = sequence_++;
        fire();
    }
    if (end > now_)
        now_ = end;
}

} // namespace platform
