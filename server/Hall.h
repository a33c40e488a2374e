#pragma once
// The rooms of one hall, served on the hall's port and told apart by room number.
#include "server/Room.h"

#include "net/HallList.h"

#include <cstddef>
#include <map>
#include <memory>

namespace server {

class Hall {
public:
    Hall(const net::HallEntry& entry, size_t roomCapacity);

    // Null when the number is not a room of this hall.
    Room* Find(uint32_t roomNumber);
    const net::HallRecord& Record() const { return record_; }

private:
    net::HallRecord record_;
    std::map<uint32_t, std::unique_ptr<Room>> rooms_;
};

} // namespace server
