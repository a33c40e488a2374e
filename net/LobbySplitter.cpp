#include "net/LobbySplitter.h"

#include <algorithm>

namespace net {

LobbySplitter::Result LobbySplitter::Split(std::span<const uint8_t> received)
{
    Result result;
    const ByteReader r(received);
    size_t offset = 0;
    while (offset < received.size()) {
        const size_t remaining = received.size() - offset;
        if (remaining < 4) {
            result.outcome = Outcome::Cut;
            break;
        }
        const uint32_t length = r.U32(offset);
        if (length < kMinFrameLength || length > kMaxFrameLength) {
            result.outcome = Outcome::Broken;
            break;
        }
        if (remaining - 4 < length) {
            result.outcome = Outcome::Cut;
            break;
        }
        MsgRecord record(length);
        r.Copy(offset + 4, record.MutableBytes());
        result.records.push_back(std::move(record));
        offset += 4 + length;
    }
    return result;
}

} // namespace net
