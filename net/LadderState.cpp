#include "net/LadderState.h"

#include "net/RecordArray.h"

namespace net {

LadderState LadderState::Empty(int levels)
{
    const Ladder ladder(levels);
    return {levels, std::vector<DeskRecord>(static_cast<size_t>(ladder.DeskCount())),
            std::vector<SeatEntry>(static_cast<size_t>(ladder.QueueCount()))};
}

LadderState LadderState::Decode(const ByteReader& r, int levels)
{
    const Ladder ladder(levels);
    const auto desks = static_cast<size_t>(ladder.DeskCount());
    return {levels, DecodeRecords<DeskRecord>(r, desks),
            DecodeRecords<SeatEntry>(r.From(desks * DeskRecord::kSize), static_cast<size_t>(ladder.QueueCount()))};
}

void LadderState::Encode(ByteWriter w) const
{
    EncodeRecords(w, desks);
    EncodeRecords(w.From(desks.size() * DeskRecord::kSize), queue);
}

} // namespace net
