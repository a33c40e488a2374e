#include "server/Hall.h"

namespace server {

Hall::Hall(const net::HallEntry& entry, size_t roomCapacity) : record_(entry.hall)
{
    for (const net::RoomRecord& r : entry.rooms)
        rooms_.try_emplace(r.roomNumber,
            std::make_unique<Room>(RoomConfig{r.roomNumber, entry.hall.groundMode, entry.hall.gameType, roomCapacity}));
}

Room* Hall::Find(uint32_t roomNumber)
{
    const auto it = rooms_.find(roomNumber);
    return it == rooms_.end() ? nullptr : it->second.get();
}

} // namespace server
