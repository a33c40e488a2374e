#include "server/RoomSession.h"

#include "server/CheckRecord.h"
#include "server/Log.h"

#include "net/ByteWriter.h"
#include "net/DeskBytes.h"
#include "net/Envelope.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"

#include <stdexcept>

namespace server {

namespace {
constexpr uint8_t kRoomChannel = static_cast<uint8_t>(net::Channel::Room);
constexpr uint8_t kDeskChannel = static_cast<uint8_t>(net::Channel::Desk);
} // namespace

EnvelopeRules RoomSession::Rules()
{
    return {static_cast<uint32_t>(net::kEnvelopeSize + 1 + net::kRecordHeaderSize),
            static_cast<uint32_t>(net::kEnvelopeSize + 1 + 0xFFFF),
            1u << static_cast<uint32_t>(net::EnvelopeKind::Room)};
}

RoomSession::RoomSession(ServerContext& context, Hall& hall, Link& link) : context_(context), hall_(hall), link_(link) {}

bool RoomSession::Throttled(const InFrame& frame) const
{
    const net::ByteReader r(frame.payload);
    return r.U8(0) == kDeskChannel || (r.U8(0) == kRoomChannel && r.U8(1) == net::RoomMsg::Chat);
}

bool RoomSession::OnFrame(const InFrame& frame)
{
    Room* room = hall_.Find(frame.target);
    if (!room || (room_ && room != room_))
        return false;
    room_ = room;
    const std::span<const uint8_t> bytes = std::span(frame.payload).subspan(1);
    switch (frame.payload[0]) {
    case kRoomChannel: {
        const std::optional<net::RecordView> record = CheckRecord(bytes);
        return record && OnRoomMsg(*record);
    }
    case kDeskChannel:
        return OnDeskBytes(bytes);
    default:
        return false;
    }
}

bool RoomSession::OnRoomMsg(const net::RecordView& record)
{
    switch (record.Id()) {
    case net::RoomMsg::Login:
        return Login(record);
    case net::RoomMsg::PlayerListRequest:
        if (inRoom_)
            Deliver(room_->PlayerList());
        return true;
    case net::RoomMsg::DeskListRequest:
        if (inRoom_)
            Deliver(room_->DeskList());
        else
            Reply(net::RoomMsg::DeskListMissing);
        return true;
    case net::RoomMsg::Chat:
        if (inRoom_ && !room_->Chat(*this, record.Data()))
            LogLine("chat line refused from " + link_.Address());
        return true;
    case net::RoomMsg::Leave:
        Leave();
        return true;
    case kThrowingMsg:
        if (context_.testHooks)
            throw std::runtime_error("test message");
        return true;
    default:
        return true;
    }
}

bool RoomSession::OnDeskBytes(std::span<const uint8_t> bytes)
{
    if (!inRoom_ || bytes.size() < 2)
        return false;
    const net::DeskBytes desk{net::ByteReader(bytes)};
    if (!CheckRecord(bytes.subspan(2)))
        return false;
    room_->OnDeskMsg(*this, desk.Desk(), desk.SubChannel(), desk.Record());
    return true;
}

bool RoomSession::Login(const net::RecordView& record)
{
    if (record.DataLength() < net::PlayerRecord::kSize)
        return false;
    if (inRoom_)
        return true;
    const std::string name = net::PlayerRecord::Decode(record.Data()).name.Str();
    // The room login carries no password: only a live lobby session vouches for it.
    if (!context_.online.LiveFrom(name, link_.Address()))
        return false;
    const std::optional<net::PlayerRecord> stored = context_.Record(name);
    const std::optional<uint16_t> key = room_->NextKey();
    if (!stored)
        return false;
    if (!key) {
        Reply(net::RoomMsg::RoomFull);
        return true;
    }
    entry_ = {*stored, *key};
    inRoom_ = true;
    link_.LoggedIn();
    uint8_t data[2];
    net::ByteWriter(data).U16(0, *key);
    Reply(net::RoomMsg::LoginAccepted, data);
    room_->Join(*this);
    LogLine("room " + std::to_string(room_->Number()) + " login " + link_.Address());
    return true;
}

void RoomSession::Leave()
{
    if (!inRoom_)
        return;
    inRoom_ = false;
    room_->Leave(*this);
}

void RoomSession::Reply(uint8_t id, std::span<const uint8_t> data)
{
    link_.Send(MakeOutFrame(net::MsgRecord::Build(id, data)));
}

void RoomSession::OnClosed() { Leave(); }

} // namespace server
