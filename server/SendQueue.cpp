#include "server/SendQueue.h"

namespace server {

bool SendQueue::Push(OutFrame frame)
{
    // The frames of the batch being written still count: they have not left yet.
    if (Frames() + 1 > limits_.maxFrames || bytes_ + frame->size() > limits_.maxBytes)
        return false;
    bytes_ += frame->size();
    queued_.push_back(std::move(frame));
    return true;
}

std::vector<OutFrame> SendQueue::TakeBatch()
{
    if (writing_ || queued_.empty())
        return {};
    std::vector<OutFrame> batch;
    batch.swap(queued_);
    inFlight_ = batch.size();
    inFlightBytes_ = 0;
    for (const OutFrame& f : batch)
        inFlightBytes_ += f->size();
    writing_ = true;
    return batch;
}

void SendQueue::BatchDone()
{
    bytes_ -= inFlightBytes_;
    inFlight_ = 0;
    inFlightBytes_ = 0;
    writing_ = false;
}

} // namespace server
