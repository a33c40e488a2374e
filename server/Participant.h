#pragma once
// A player in a room as the room sees him: a record, a key and a way to deliver
// frames. Rooms and desks know nothing else, so they are tested with fake players.
#include "server/OutFrame.h"

#include "net/PlayerEntry.h"

#include <cstdint>

namespace server {

class Participant {
public:
    virtual ~Participant() = default;

    virtual void Deliver(const OutFrame& frame) = 0;
    // Name, tally and points from the database, and the key the room gave him.
    virtual const net::PlayerEntry& Entry() const = 0;
    uint16_t Key() const { return Entry().key; }
};

} // namespace server
