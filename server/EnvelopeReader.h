#pragma once
// Cuts the bytes a client sends into requests: u32 total length (the 12-byte envelope
// included) | u32 kind | u32 target | payload. The length and kind are checked as soon
// as the envelope is complete, before anything is allocated for the payload, so a
// declared 4 GiB frame costs nothing; a bad envelope breaks the stream for good.
#include "server/InFrame.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace server {

struct EnvelopeRules {
    uint32_t minTotal = 0;     // the envelope plus the smallest payload
    uint32_t maxTotal = 0;     // the envelope plus the largest payload
    uint32_t kindMask = 0;     // bit k set: kind k is accepted
};

class EnvelopeReader {
public:
    static constexpr size_t kEnvelopeSize = 12;

    explicit EnvelopeReader(EnvelopeRules rules) : rules_(rules) {}

    // Appends every request completed by `bytes` to `out`; false once the stream is
    // broken (the bytes after the bad envelope are not read).
    bool Feed(std::span<const uint8_t> bytes, std::vector<InFrame>& out);
    bool Broken() const { return !fault_.empty(); }
    // Why the stream broke, for the log.
    const std::string& Fault() const { return fault_; }
    // True while a request is incomplete.
    bool InFrame() const { return headerFilled_ != 0; }

private:
    bool CheckEnvelope();

    EnvelopeRules rules_;
    std::array<uint8_t, kEnvelopeSize> header_{};
    size_t headerFilled_ = 0;
    server::InFrame frame_;
    size_t bodyExpected_ = 0;
    std::string fault_;
};

} // namespace server
