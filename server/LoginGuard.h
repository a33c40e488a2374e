#pragma once
// Wrong passwords per (account, address): after three within a minute that address's
// logins to that account are refused for a minute. Keyed by address too, so a
// stranger guessing cannot lock the owner out.
#include <chrono>
#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace server {

class LoginGuard {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    static constexpr size_t kMaxFailures = 3;
    static constexpr std::chrono::seconds kWindow{60};

    bool Locked(const std::string& name, const std::string& address, TimePoint now);
    void Failed(const std::string& name, const std::string& address, TimePoint now);
    void Succeeded(const std::string& name, const std::string& address);

private:
    struct Record {
        std::vector<TimePoint> failures; // within the last window
        TimePoint lockedUntil{};
    };
    using Key = std::pair<std::string, std::string>;
    void Forget(TimePoint now);

    std::map<Key, Record> records_;
};

} // namespace server
