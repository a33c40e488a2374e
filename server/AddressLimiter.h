#pragma once
// Concurrent connections per client address. A client holds one connection to the
// lobby and one per open room, so the default leaves room for a crowded household.
#include <cstddef>
#include <map>
#include <string>

namespace server {

class AddressLimiter {
public:
    explicit AddressLimiter(size_t perAddress) : perAddress_(perAddress) {}

    // False when the address already holds its limit (0 = no limit).
    bool Acquire(const std::string& address);
    void Release(const std::string& address);
    size_t Count(const std::string& address) const;

private:
    size_t perAddress_;
    std::map<std::string, size_t> counts_;
};

} // namespace server
