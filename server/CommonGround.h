#pragma once
// The 100 desks of a common room: taking and leaving seats. A player holds at most one
// seat per room; a taken seat is refused without an answer, as clients expect.
#include "server/Ground.h"

#include "net/DeskRecord.h"

#include <array>

namespace server {

class CommonGround : public Ground {
public:
    static constexpr uint8_t kDesks = 100;

    CommonGround(GroundHost& host, uint8_t gameType);

    OutFrame DeskList() const override;
    void OnDeskMsg(Participant& from, uint8_t desk, uint8_t subChannel, const net::RecordView& record) override;
    void OnLeave(Participant& who) override;

    // Who sits at desk (1-based) and seat (1-based); null when free or out of range.
    const Participant* At(uint8_t desk, uint8_t seat) const;

private:
    using Desk = std::array<Participant*, 3>;
    struct Place {
        uint8_t desk = 0;
        uint8_t seat = 0;
    };

    void Sit(Participant& who, uint8_t desk, uint8_t seat);
    void Stand(Participant& who, uint8_t desk, uint8_t seat);
    Place Find(const Participant& who) const;
    net::DeskRecord Record(uint8_t desk) const;
    bool InRange(uint8_t desk, uint8_t seat) const;

    GroundHost& host_;
    uint8_t seatsPerDesk_;
    std::array<Desk, kDesks> desks_{};
};

} // namespace server
