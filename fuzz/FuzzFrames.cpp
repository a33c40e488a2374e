// Feeds arbitrary bytes to the lobby splitter and to a room reassembler whose receives
// end at fuzz-chosen points, and checks both against a plain reading of the stream.
//
// Input: byte 0 = n (mod 8), then n receive sizes (1-256 bytes each, used in turn; none:
// one receive), then the stream.
#include "net/LobbySplitter.h"
#include "net/RoomReassembler.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct Reading {
    std::vector<Bytes> records;
    bool broken = false;
};

// The stream read frame by frame with no cuts at all.
Reading ReadWhole(std::span<const uint8_t> stream)
{
    Reading reading;
    size_t pos = 0;
    while (stream.size() - pos >= 4) {
        const uint32_t length = net::ByteReader(stream).U32(pos);
        if (length < net::kMinFrameLength || length > net::kMaxFrameLength) {
            reading.broken = true;
            break;
        }
        if (stream.size() - pos - 4 < length)
            break;
        reading.records.emplace_back(stream.begin() + pos + 4, stream.begin() + pos + 4 + length);
        pos += 4 + length;
    }
    return reading;
}

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t cuts = std::min<size_t>(data[0] % 8, size - 1);
    const std::span<const uint8_t> sizes(data + 1, cuts);
    const std::span<const uint8_t> stream(data + 1 + cuts, size - 1 - cuts);
    const Reading whole = ReadWhole(stream);

    // The lobby splitter sees the stream as one receive: it yields exactly the whole frames.
    const auto lobby = net::LobbySplitter::Split(stream);
    Check(lobby.records.size() == whole.records.size());
    for (size_t i = 0; i < lobby.records.size(); ++i)
        Check(std::ranges::equal(lobby.records[i].Bytes(), whole.records[i]));
    Check((lobby.outcome == net::LobbySplitter::Outcome::Broken) == whole.broken);

    // The room reassembler sees it in pieces: the same frames, whatever the cuts.
    std::vector<Bytes> delivered;
    net::RoomReassembler room([&](net::MsgRecord r) { delivered.emplace_back(r.Bytes().begin(), r.Bytes().end()); },
                              [](uint32_t ms) { Check(ms == 100 || ms == 300); });
    size_t pos = 0;
    size_t turn = 0;
    bool intact = true;
    while (pos < stream.size() && intact) {
        const size_t n = sizes.empty() ? stream.size() : sizes[turn++ % sizes.size()] + 1u;
        intact = room.OnReceive([&](std::span<uint8_t> buffer) {
            const size_t m = std::min({n, buffer.size(), stream.size() - pos});
            std::copy_n(stream.begin() + pos, m, buffer.begin());
            pos += m;
            return static_cast<int>(m);
        });
    }
    Check(delivered == whole.records);
    Check(intact != whole.broken);
    return 0;
}
