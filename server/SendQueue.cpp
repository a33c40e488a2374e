#include "server/SendQueue.h"

#include <algorithm>

namespace server {

bool SendQueue::Push(const OutFrame& frame)
{
    if (queued_.size() + 1 > limits_.maxFrames || bytes_ + frame->size() > limits_.maxBytes)
        return false;
    bytes_ += frame->size();
    queued_.push_back(frame);
    return true;
}

size_t SendQueue::Pending(std::span<asio::const_buffer> out) const
{
    const size_t n = std::min(out.size(), queued_.size());
    for (size_t i = 0; i < n; ++i)
        out[i] = asio::buffer(*queued_[i]) + (i == 0 ? sentOfFirst_ : 0);
    return n;
}

void SendQueue::Consume(size_t n)
{
    bytes_ -= n;
    n += sentOfFirst_;
    size_t done = 0;
    while (done < queued_.size() && n >= queued_[done]->size())
        n -= queued_[done++]->size();
    sentOfFirst_ = n;
    if (done == queued_.size())
        std::vector<OutFrame>().swap(queued_); // idle again: give the block back
    else
        queued_.erase(queued_.begin(), queued_.begin() + static_cast<std::ptrdiff_t>(done));
}

} // namespace server
