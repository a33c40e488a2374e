#include "server/HashPool.h"

#include "server/Log.h"

#include <sys/socket.h>

#include <cerrno>

namespace server {

HashPool::HashPool(asio::io_context& loop, size_t workers, size_t maxWaiting) : loop_(loop), maxWaiting_(maxWaiting)
{
    for (size_t i = 0; i < workers; ++i) {
        slots_.push_back(std::make_unique<Slot>());
        Start(*slots_.back());
    }
}

HashPool::~HashPool()
{
    for (auto& slot : slots_) {
        if (slot->answers)
            slot->answers->release(); // the worker's Stop closes it
        slot->worker.Stop();
    }
}

void HashPool::Start(Slot& slot)
{
    slot.worker = HashWorker::Spawn();
    if (slot.worker.fd < 0) {
        LogLine("cannot start a password worker");
        slot.answers.reset();
        return;
    }
    slot.answers = std::make_unique<asio::posix::stream_descriptor>(loop_, slot.worker.fd);
}

std::vector<pid_t> HashPool::Workers() const
{
    std::vector<pid_t> pids;
    for (const auto& slot : slots_)
        pids.push_back(slot->worker.pid);
    return pids;
}

bool HashPool::Submit(std::string hash, std::string password, Done done)
{
    if (waiting_.size() >= maxWaiting_ || !AnyWorker())
        return false;
    waiting_.push_back({HashWorker::EncodeCheck(hash, password), std::move(done)});
    Dispatch();
    return true;
}

// Starts again what could not be started before (out of processes, say).
bool HashPool::AnyWorker()
{
    bool any = false;
    for (auto& slot : slots_) {
        if (!slot->answers)
            Start(*slot);
        any = any || slot->answers;
    }
    return any;
}

void HashPool::Dispatch()
{
    for (auto& slot : slots_) {
        if (waiting_.empty())
            return;
        if (slot->busy || !slot->answers)
            continue;
        const std::vector<uint8_t>& packet = waiting_.front().packet;
        if (send(slot->worker.fd, packet.data(), packet.size(), MSG_NOSIGNAL | MSG_DONTWAIT)
            != static_cast<ssize_t>(packet.size())) {
            // Died while idle: the check waits for the next worker.
            Restart(*slot);
            continue;
        }
        slot->busy = std::move(waiting_.front());
        waiting_.pop_front();
        Await(*slot);
    }
}

void HashPool::Await(Slot& slot)
{
    slot.answers->async_wait(asio::posix::descriptor_base::wait_read, [this, &slot](const asio::error_code& ec) {
        if (ec == asio::error::operation_aborted)
            return;
        uint8_t answer = 0;
        const ssize_t n = recv(slot.worker.fd, &answer, 1, MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            Await(slot);
            return;
        }
        // No answer: the worker died under its check (killed, out of memory).
        std::optional<bool> result;
        if (n == 1)
            result = answer == 1;
        else
            Restart(slot);
        Done done = std::move(slot.busy->done);
        slot.busy.reset();
        done(result);
        Dispatch();
    });
}

void HashPool::Restart(Slot& slot)
{
    LogLine("password worker " + std::to_string(slot.worker.pid) + " ended; starting another");
    slot.answers->release();
    slot.answers.reset();
    slot.worker.Stop();
    Start(slot);
}

} // namespace server
