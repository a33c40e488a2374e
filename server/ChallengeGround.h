#pragma once
// The entry desks of a challenge room. The ladder behind them comes with the ladder
// rules; until then every entry desk is idle and a join is answered "desk full".
#include "server/Ground.h"

namespace server {

class ChallengeGround : public Ground {
public:
    static constexpr uint8_t kEntryDesks = 100;

    OutFrame DeskList() const override;
    void OnDeskMsg(Participant& from, uint8_t desk, uint8_t subChannel, const net::RecordView& record) override;
    void OnLeave(Participant&) override {}
};

} // namespace server
