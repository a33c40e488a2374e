#include "server/HashPool.h"

#include <asio/post.hpp>

#include <sys/resource.h>
#include <unistd.h>

namespace server {

HashPool::HashPool(asio::io_context& loop, size_t workers, size_t maxWaiting)
    : loop_(loop), maxWaiting_(maxWaiting)
{
    for (size_t i = 0; i < workers; ++i)
        workers_.emplace_back([this] { Work(); });
}

HashPool::~HashPool()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : workers_)
        t.join();
}

bool HashPool::Submit(Job job, Done done)
{
    {
        std::lock_guard lock(mutex_);
        if (jobs_.size() >= maxWaiting_)
            return false;
        jobs_.emplace_back(std::move(job), std::move(done));
    }
    wake_.notify_one();
    return true;
}

size_t HashPool::Waiting()
{
    std::lock_guard lock(mutex_);
    return jobs_.size();
}

void HashPool::Work()
{
    // Hashing is meant to be slow and would take both cores in a login storm: the
    // workers run at the lowest priority, so the event loop (chat, games) always wins.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
    for (;;) {
        std::pair<Job, Done> next;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (stopping_)
                return;
            next = std::move(jobs_.front());
            jobs_.pop_front();
        }
        const bool result = next.first();
        asio::post(loop_, [done = std::move(next.second), result] { done(result); });
    }
}

} // namespace server
