#include "server/Room.h"

#include "net/ByteWriter.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"

#include <algorithm>

namespace server {

namespace {
OutFrame EntryFrame(uint8_t id, const net::PlayerEntry& entry)
{
    return MakeOutFrame(net::MsgRecord::Build(id, net::Encoded(entry)));
}
} // namespace

Room::Room(const RoomConfig& config) : config_(config), ground_(Ground::Make(config.groundMode, config.gameType, *this))
{
}

std::optional<uint16_t> Room::NextKey() const
{
    if (players_.size() >= config_.capacity || keys_.size() >= 0xFFFF)
        return std::nullopt;
    // Keys are not reused at once, so a late line never reaches a newcomer by mistake.
    uint16_t key = lastKey_;
    do
        key = static_cast<uint16_t>(key + 1);
    while (key == 0 || keys_.count(key));
    lastKey_ = key;
    return key;
}

void Room::Join(Participant& who)
{
    BroadcastExcept(EntryFrame(net::RoomMsg::PlayerEntered, who.Entry()), nullptr);
    players_.push_back(&who);
    keys_[who.Key()] = &who;
}

void Room::Leave(Participant& who)
{
    const auto it = std::find(players_.begin(), players_.end(), &who);
    if (it == players_.end())
        return;
    ground_->OnLeave(who);
    players_.erase(it);
    keys_.erase(who.Key());
    BroadcastExcept(EntryFrame(net::RoomMsg::PlayerLeft, who.Entry()), nullptr);
}

OutFrame Room::PlayerList() const
{
    std::vector<net::PlayerEntry> entries;
    entries.reserve(players_.size());
    for (const Participant* p : players_)
        entries.push_back(p->Entry());
    return MakeOutFrame(net::MsgRecord::Build(net::RoomMsg::PlayerList, net::PlayerEntry::EncodeList(entries)));
}

bool Room::Chat(Participant& from, const net::ByteReader& r)
{
    // Line type 1, a text length that covers the rest exactly, a NUL at its end.
    const size_t t = r.U16(6);
    if (r.Size() < net::ChatRecord::kHeaderSize || r.U8(0) != static_cast<uint8_t>(net::ChatLine::Player) || t == 0
        || t > kMaxChatText || net::ChatRecord::kHeaderSize + t != r.Size() || r.U8(r.Size() - 1) != 0)
        return false;
    net::ChatRecord line = net::ChatRecord::Decode(r);
    line.sender = from.Key();
    const OutFrame frame = MakeOutFrame(net::MsgRecord::Build(net::RoomMsg::Chat, net::Encoded(line)));
    if (line.receiver == 0) {
        // The sender shows his own line himself.
        BroadcastExcept(frame, &from);
        return true;
    }
    const auto it = keys_.find(line.receiver);
    if (it != keys_.end() && it->second != &from)
        it->second->Deliver(frame);
    return true;
}

void Room::Broadcast(const OutFrame& frame) { BroadcastExcept(frame, nullptr); }

void Room::BroadcastExcept(const OutFrame& frame, const Participant* except)
{
    for (Participant* p : players_)
        if (p != except)
            p->Deliver(frame);
}

} // namespace server
