#include "server/FloodGate.h"

#include <algorithm>

namespace server {

FloodGate::FloodGate(FloodLimits limits, TimePoint start)
    : limits_(limits), tokens_(limits.burst), refilled_(start)
{
}

void FloodGate::Refill(TimePoint now)
{
    if (now <= refilled_)
        return;
    const double seconds = std::chrono::duration<double>(now - refilled_).count();
    tokens_ = std::min(limits_.burst, tokens_ + seconds * limits_.perSecond);
    refilled_ = now;
}

bool FloodGate::Offer(InFrame frame, bool throttled, TimePoint now)
{
    Refill(now);
    if (waiting_.size() >= limits_.maxWaiting)
        return false;
    waiting_.push_back({std::move(frame), throttled});
    return true;
}

std::vector<InFrame> FloodGate::Release(TimePoint now)
{
    Refill(now);
    std::vector<InFrame> out;
    size_t passed = 0;
    for (; passed < waiting_.size(); ++passed) {
        Held& w = waiting_[passed];
        if (w.throttled) {
            if (tokens_ < 1)
                break;
            tokens_ -= 1;
        }
        out.push_back(std::move(w.frame));
    }
    waiting_.erase(waiting_.begin(), waiting_.begin() + static_cast<ptrdiff_t>(passed));
    return out;
}

std::optional<FloodGate::TimePoint> FloodGate::NextRelease() const
{
    if (waiting_.empty())
        return std::nullopt;
    if (!waiting_.front().throttled || tokens_ >= 1)
        return refilled_;
    const double seconds = (1 - tokens_) / limits_.perSecond;
    return refilled_ + std::chrono::ceil<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
}

} // namespace server
