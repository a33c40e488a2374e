#pragma once
// One client in a hall's room service. The connection belongs to the first room it
// names; it enters with a room login that only a live lobby session from the same
// address may make, and then chats and takes seats. Its key, record and points are the
// server's, never what the client claims.
#include "server/Hall.h"
#include "server/Link.h"
#include "server/Participant.h"
#include "server/ServerContext.h"
#include "server/Session.h"

namespace server {

class RoomSession : public Session, public Participant {
public:
    // A test-only room message whose handler throws (with the test hooks on).
    static constexpr uint8_t kThrowingMsg = 250;

    // The envelope of a room request: kind 4, a channel byte and a whole record at least.
    static EnvelopeRules Rules();

    RoomSession(ServerContext& context, Hall& hall, Link& link);

    bool Throttled(const InFrame& frame) const override;
    bool OnFrame(const InFrame& frame) override;
    void OnClosed() override;

    void Deliver(const OutFrame& frame) override { link_.Send(frame); }
    const net::PlayerEntry& Entry() const override { return entry_; }

private:
    bool OnRoomMsg(const net::RecordView& record);
    bool OnDeskBytes(std::span<const uint8_t> bytes);
    bool Login(const net::RecordView& record);
    void Leave();
    void Reply(uint8_t id, std::span<const uint8_t> data = {});

    ServerContext& context_;
    Hall& hall_;
    Link& link_;
    Room* room_ = nullptr; // the room this connection belongs to
    bool inRoom_ = false;
    net::PlayerEntry entry_;
};

} // namespace server
