#include "net/DeskList.h"

#include "net/RecordArray.h"

namespace net {
namespace {

template <class Entry>
std::vector<uint8_t> EncodeDesks(const std::vector<Entry>& desks)
{
    // Entries past the hundredth fall outside the block and are dropped by the writer.
    std::vector<uint8_t> bytes(kRoomDeskCount * Entry::kSize);
    EncodeRecords(ByteWriter(bytes), desks);
    return bytes;
}

} // namespace

std::vector<DeskRecord> DeskList::DecodeCommon(const ByteReader& data)
{
    return DecodeRecords<DeskRecord>(data, kRoomDeskCount);
}

std::vector<EntryDeskEntry> DeskList::DecodeChallenge(const ByteReader& data)
{
    return DecodeRecords<EntryDeskEntry>(data, kRoomDeskCount);
}

std::vector<uint8_t> DeskList::EncodeCommon(const std::vector<DeskRecord>& desks)
{
    return EncodeDesks(desks);
}

std::vector<uint8_t> DeskList::EncodeChallenge(const std::vector<EntryDeskEntry>& desks)
{
    return EncodeDesks(desks);
}

} // namespace net
