#include "net/RoomSender.h"

#include <utility>

namespace net {

RoomSender::RoomSender(uint32_t roomNumber, SendSink send, PauseSink pause)
    : roomNumber_(roomNumber), send_(std::move(send)), pause_(std::move(pause))
{
}

void RoomSender::SendRoomMsg(std::span<const uint8_t> record) const
{
    Send(Channel::Room, record);
}

void RoomSender::SendDeskMsg(std::span<const uint8_t> deskBytes) const
{
    Send(Channel::Desk, deskBytes);
}

void RoomSender::Send(Channel channel, std::span<const uint8_t> bytes) const
{
    send_(BuildRoomEnvelope(roomNumber_, channel, bytes));
    pause_(kSendPause);
}

} // namespace net
