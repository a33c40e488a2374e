#pragma once
// One room of a hall: its players in arrival order, their keys, chat routing and the
// ground of the room's mode. It knows players only as participants.
#include "server/Ground.h"
#include "server/Participant.h"

#include "net/ChatRecord.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace server {

struct RoomConfig {
    uint32_t number = 0;
    uint8_t groundMode = 1;
    uint8_t gameType = 1;
    size_t capacity = 100;
};

class Room : public GroundHost {
public:
    static constexpr size_t kMaxChatText = 512; // NUL included

    explicit Room(const RoomConfig& config);

    uint32_t Number() const { return config_.number; }
    size_t Players() const { return players_.size(); }

    // A fresh key for a newcomer; empty when the room is full.
    std::optional<uint16_t> NextKey() const;
    // Admits a player whose entry carries a key from NextKey: he gets nothing, the
    // others hear of him (15).
    void Join(Participant& who);
    // Frees his seats (42) and tells the others (16).
    void Leave(Participant& who);
    OutFrame PlayerList() const;
    OutFrame DeskList() const { return ground_->DeskList(); }
    // False when the chat record is malformed. The sender's key is the server's.
    bool Chat(Participant& from, const net::ByteReader& chatRecord);
    void OnDeskMsg(Participant& from, uint8_t desk, uint8_t subChannel, const net::RecordView& record)
    {
        ground_->OnDeskMsg(from, desk, subChannel, record);
    }
    void Broadcast(const OutFrame& frame) override;
    Ground& GetGround() { return *ground_; }

private:
    void BroadcastExcept(const OutFrame& frame, const Participant* except);

    RoomConfig config_;
    std::unique_ptr<Ground> ground_;
    std::vector<Participant*> players_;     // arrival order
    std::map<uint16_t, Participant*> keys_;
    mutable uint16_t lastKey_ = 0;
};

} // namespace server
