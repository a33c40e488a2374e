#pragma once
// Password checks off the event loop: a few worker threads take jobs in order and
// the result is posted back to the loop, so a login storm never stalls chat or games.
// A bounded number of jobs may wait; beyond that a job is refused at once.
#include <asio/io_context.hpp>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace server {

class HashPool {
public:
    // `done` runs on the loop with the job's result.
    using Job = std::function<bool()>;
    using Done = std::function<void(bool)>;

    HashPool(asio::io_context& loop, size_t workers, size_t maxWaiting);
    ~HashPool();
    HashPool(const HashPool&) = delete;
    HashPool& operator=(const HashPool&) = delete;

    // False when too many jobs wait: the job is not taken.
    bool Submit(Job job, Done done);
    size_t Waiting();

private:
    void Work();

    asio::io_context& loop_;
    size_t maxWaiting_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::pair<Job, Done>> jobs_;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

} // namespace server
