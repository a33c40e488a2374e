#pragma once
// A player for room and desk tests: keeps every frame delivered to him.
#include "server/Participant.h"

#include "net/MsgRecord.h"

#include <string>
#include <vector>

namespace servertest {

class FakeParticipant : public server::Participant {
public:
    FakeParticipant(const std::string& name, uint16_t key, int32_t points = 0);

    void Deliver(const server::OutFrame& frame) override { frames.push_back(frame); }
    const net::PlayerEntry& Entry() const override { return entry_; }

    // The delivered records (the length prefix checked and stripped), then forgotten.
    std::vector<net::MsgRecord> Take();

    std::vector<server::OutFrame> frames;

private:
    net::PlayerEntry entry_;
};

} // namespace servertest
