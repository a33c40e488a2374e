#pragma once
// The desks of a room, one kind per ground mode (common desks, challenge ladder).
// Per-game rules plug into a ground; the room only hands it desk bytes and departures.
#include "server/OutFrame.h"
#include "server/Participant.h"
#include "net/RecordView.h"

#include <cstdint>
#include <memory>

namespace server {

// What a ground may do to the room around it.
class GroundHost {
public:
    virtual ~GroundHost() = default;
    // To every player of the room.
    virtual void Broadcast(const OutFrame& frame) = 0;
};

class Ground {
public:
    virtual ~Ground() = default;

    // Room message 32 in the layout of this mode.
    virtual OutFrame DeskList() const = 0;
    // Desk bytes from a player of the room: desk number, sub-channel (0 = desk
    // message, k = game message of small desk k) and the record, already checked.
    virtual void OnDeskMsg(Participant& from, uint8_t desk, uint8_t subChannel, const net::RecordView& record) = 0;
    // The player left the room or dropped: free whatever he held.
    virtual void OnLeave(Participant& who) = 0;

    static std::unique_ptr<Ground> Make(uint8_t groundMode, uint8_t gameType, GroundHost& host);
};

// Room message 100 around a desk message with `data`.
OutFrame DeskMsgFrame(uint8_t deskId, std::span<const uint8_t> data = {});

} // namespace server
