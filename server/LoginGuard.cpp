#include "server/LoginGuard.h"

#include <algorithm>

namespace server {

bool LoginGuard::Locked(const std::string& name, const std::string& address, TimePoint now)
{
    Forget(now);
    const auto it = records_.find({name, address});
    return it != records_.end() && now < it->second.lockedUntil;
}

void LoginGuard::Failed(const std::string& name, const std::string& address, TimePoint now)
{
    Forget(now);
    Record& r = records_[{name, address}];
    r.failures.push_back(now);
    if (r.failures.size() >= kMaxFailures) {
        r.lockedUntil = now + kWindow;
        r.failures.clear();
    }
}

void LoginGuard::Succeeded(const std::string& name, const std::string& address) { records_.erase({name, address}); }

// Old failures fall out of the window, so the table holds only recent guessers.
void LoginGuard::Forget(TimePoint now)
{
    for (auto it = records_.begin(); it != records_.end();) {
        auto& f = it->second.failures;
        f.erase(std::remove_if(f.begin(), f.end(), [&](TimePoint t) { return now - t >= kWindow; }), f.end());
        if (f.empty() && now >= it->second.lockedUntil)
            it = records_.erase(it);
        else
            ++it;
    }
}

} // namespace server
