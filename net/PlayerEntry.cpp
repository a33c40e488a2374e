#include "net/PlayerEntry.h"

#include "net/RecordArray.h"

namespace net {

PlayerEntry PlayerEntry::Decode(const ByteReader& r)
{
    return {PlayerRecord::Decode(r), r.U16(28)};
}

void PlayerEntry::Encode(ByteWriter w) const
{
    player.Encode(w);
    w.U16(28, key);
}

std::vector<PlayerEntry> PlayerEntry::DecodeList(const ByteReader& data)
{
    return DecodeRecords<PlayerEntry>(data, data.Size() / kSize);
}

std::vector<uint8_t> PlayerEntry::EncodeList(const std::vector<PlayerEntry>& entries)
{
    std::vector<uint8_t> bytes(entries.size() * kSize);
    EncodeRecords(ByteWriter(bytes), entries);
    return bytes;
}

} // namespace net
