#include "server/AddressLimiter.h"

namespace server {

bool AddressLimiter::Acquire(const std::string& address)
{
    size_t& n = counts_[address];
    if (perAddress_ != 0 && n >= perAddress_) {
        if (n == 0)
            counts_.erase(address);
        return false;
    }
    ++n;
    return true;
}

void AddressLimiter::Release(const std::string& address)
{
    const auto it = counts_.find(address);
    if (it == counts_.end())
        return;
    if (--it->second == 0)
        counts_.erase(it);
}

size_t AddressLimiter::Count(const std::string& address) const
{
    const auto it = counts_.find(address);
    return it == counts_.end() ? 0 : it->second;
}

} // namespace server
