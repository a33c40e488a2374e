#include "server/Log.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace server {

namespace {
std::atomic<bool> quiet{false};
}

void SetLogQuiet(bool q) { quiet = q; }

void LogLine(std::string_view line)
{
    if (quiet)
        return;
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&now, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%H:%M:%S", &tm);
    std::fprintf(stderr, "%s %.*s\n", stamp, static_cast<int>(line.size()), line.data());
}

} // namespace server
