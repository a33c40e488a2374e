#pragma once
// Password checks off the event loop, in a few worker processes, one check at a time
// each; the answer comes back on the loop. A bounded number of checks may wait;
// beyond that a check is refused at once. A worker that dies is replaced, and its
// check answered "not checked".
#include "server/HashWorker.h"

#include <asio/io_context.hpp>
#include <asio/posix/stream_descriptor.hpp>

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace server {

class HashPool {
public:
    // Runs on the loop: whether the password matches, or empty when it could not be checked.
    using Done = std::function<void(std::optional<bool>)>;

    HashPool(asio::io_context& loop, size_t workers, size_t maxWaiting);
    ~HashPool();
    HashPool(const HashPool&) = delete;
    HashPool& operator=(const HashPool&) = delete;

    // False when too many checks wait: the check is not taken.
    bool Submit(std::string hash, std::string password, Done done);
    size_t Waiting() const { return waiting_.size(); }
    // The worker processes (for tests that end one).
    std::vector<pid_t> Workers() const;

private:
    struct Check {
        std::vector<uint8_t> packet;
        Done done;
    };
    struct Slot {
        HashWorker worker;
        std::unique_ptr<asio::posix::stream_descriptor> answers;
        std::optional<Check> busy;
    };

    void Start(Slot& slot);
    bool AnyWorker();
    void Dispatch();
    void Await(Slot& slot);
    void Restart(Slot& slot);

    asio::io_context& loop_;
    size_t maxWaiting_;
    std::deque<Check> waiting_;
    std::vector<std::unique_ptr<Slot>> slots_;
};

} // namespace server
