#include "net/HallList.h"

namespace net {

HallList HallList::Decode(const ByteReader& data)
{
    HallList list;
    size_t offset = 0;
    while (offset < data.Size()) {
        HallEntry entry{HallRecord::Decode(data.From(offset)), {}};
        offset += HallRecord::kSize;
        for (uint16_t i = 0; i < entry.hall.roomCount && offset < data.Size(); ++i) {
            entry.rooms.push_back(RoomRecord::Decode(data.From(offset)));
            offset += RoomRecord::kSize;
        }
        list.halls.push_back(std::move(entry));
    }
    return list;
}

void HallList::Encode(ByteWriter w) const
{
    size_t offset = 0;
    for (const HallEntry& entry : halls) {
        HallRecord hall = entry.hall;
        hall.roomCount = static_cast<uint16_t>(entry.rooms.size());
        hall.Encode(w.From(offset));
        offset += HallRecord::kSize;
        for (const RoomRecord& room : entry.rooms) {
            room.Encode(w.From(offset));
            offset += RoomRecord::kSize;
        }
    }
}

size_t HallList::Size() const
{
    size_t size = 0;
    for (const HallEntry& entry : halls)
        size += HallRecord::kSize + entry.rooms.size() * RoomRecord::kSize;
    return size;
}

} // namespace net
