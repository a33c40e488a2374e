#include "net/RoomEntry.h"

#include "net/HallRecord.h"
#include "net/RoomRecord.h"

namespace net {

RoomEntry RoomEntry::From(const HallRecord& hall, const RoomRecord& room)
{
    return {hall.gameType, hall.groundMode, hall.hallNumber, room.roomId,
            hall.address,  hall.port,       room.name,       room.roomNumber};
}

} // namespace net
