#include "net/RoomReassembler.h"

#include <algorithm>
#include <utility>

namespace net {

RoomReassembler::RoomReassembler(RecordSink deliver, PauseSink pause)
    : deliver_(std::move(deliver)), pause_(std::move(pause))
{
}

bool RoomReassembler::OnReceive(const Receive& receive)
{
    const bool paced = !InFrame();
    if (!paced)
        pause_(kInFramePause);
    if (!buffer_)
        buffer_ = std::make_unique<uint8_t[]>(kReceiveSize);
    const int received = receive(std::span(buffer_.get(), kReceiveSize));
    if (received <= 0)
        return true;
    const size_t n = std::min(static_cast<size_t>(received), kReceiveSize);
    return Consume(std::span<const uint8_t>(buffer_.get(), n), paced);
}

bool RoomReassembler::Consume(std::span<const uint8_t> bytes, bool paced)
{
    size_t pos = 0;
    while (pos < bytes.size()) {
        if (frame_.Empty()) {
            // The length prefix may arrive in pieces; it is gathered before the frame starts.
            const size_t take = std::min(prefix_.size() - prefixFilled_, bytes.size() - pos);
            std::ranges::copy(bytes.subspan(pos, take), prefix_.begin() + prefixFilled_);
            prefixFilled_ += take;
            pos += take;
            if (prefixFilled_ < prefix_.size())
                break;
            prefixFilled_ = 0;
            const uint32_t length = ByteReader(prefix_).U32(0);
            if (length < kMinFrameLength || length > kMaxFrameLength)
                return false;
            frame_ = MsgRecord(length);
            filled_ = 0;
            continue;
        }
        const size_t rest = bytes.size() - pos;
        const size_t missing = frame_.Size() - filled_;
        const size_t take = std::min(rest, missing);
        std::ranges::copy(bytes.subspan(pos, take), frame_.MutableBytes().begin() + filled_);
        filled_ += take;
        pos += take;
        if (paced)
            pause_(kFramePause);
        if (take == missing) {
            filled_ = 0;
            deliver_(std::exchange(frame_, MsgRecord()));
        }
    }
    return true;
}

} // namespace net
