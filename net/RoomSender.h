#pragma once
// The room-level and desk-level sends of a room window: the envelope with the room
// number and the channel byte, the send, then a 100 ms pause, so one caller sends
// at most every 100 ms.
#include "net/Envelope.h"

#include <cstdint>
#include <functional>
#include <span>

namespace net {

class RoomSender {
public:
    using SendSink = std::function<void(std::span<const uint8_t>)>;
    using PauseSink = std::function<void(uint32_t ms)>;

    static constexpr uint32_t kSendPause = 100;

    RoomSender(uint32_t roomNumber, SendSink send, PauseSink pause);

    void SendRoomMsg(std::span<const uint8_t> record) const;
    void SendDeskMsg(std::span<const uint8_t> deskBytes) const;

private:
    void Send(Channel channel, std::span<const uint8_t> bytes) const;

    uint32_t roomNumber_;
    SendSink send_;
    PauseSink pause_;
};

} // namespace net
