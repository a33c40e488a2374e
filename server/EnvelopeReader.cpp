#include "server/EnvelopeReader.h"

#include "net/ByteReader.h"

#include <algorithm>

namespace server {

bool EnvelopeReader::CheckEnvelope()
{
    const net::ByteReader r(header_);
    const uint32_t total = r.U32(0);
    const uint32_t kind = r.U32(4);
    if (total < rules_.minTotal || total > rules_.maxTotal) {
        fault_ = "bad length " + std::to_string(total);
        return false;
    }
    if (kind >= 32 || (rules_.kindMask & (1u << kind)) == 0) {
        fault_ = "bad kind " + std::to_string(kind);
        return false;
    }
    frame_.kind = kind;
    frame_.target = r.U32(8);
    bodyExpected_ = total - kEnvelopeSize;
    // The payload grows with the bytes that really come, never with the declaration.
    frame_.payload.clear();
    return true;
}

bool EnvelopeReader::Feed(std::span<const uint8_t> bytes, std::vector<server::InFrame>& out)
{
    while (!bytes.empty()) {
        if (Broken())
            return false;
        if (headerFilled_ < kEnvelopeSize) {
            const size_t n = std::min(bytes.size(), kEnvelopeSize - headerFilled_);
            std::copy_n(bytes.begin(), n, header_.begin() + static_cast<ptrdiff_t>(headerFilled_));
            headerFilled_ += n;
            bytes = bytes.subspan(n);
            if (headerFilled_ < kEnvelopeSize)
                break;
            if (!CheckEnvelope())
                return false;
        }
        const size_t n = std::min(bytes.size(), bodyExpected_ - frame_.payload.size());
        frame_.payload.insert(frame_.payload.end(), bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(n));
        bytes = bytes.subspan(n);
        if (frame_.payload.size() == bodyExpected_) {
            out.push_back(std::move(frame_));
            frame_ = {};
            headerFilled_ = 0;
        }
    }
    return !Broken();
}

} // namespace server
