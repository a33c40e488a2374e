#include "server/CommonGround.h"

#include "net/DeskList.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"
#include "net/SeatNotice.h"

namespace server {

namespace {
// Desks of game type 5 have three seats; every other common desk two.
constexpr uint8_t kThreeSeatGame = 5;

net::SeatEntry SeatOf(const Participant* p)
{
    net::SeatEntry e;
    if (p) {
        e.player = p->Entry().player;
        e.occupied = 1;
    }
    return e;
}
} // namespace

CommonGround::CommonGround(GroundHost& host, uint8_t gameType)
    : host_(host), seatsPerDesk_(gameType == kThreeSeatGame ? 3 : 2)
{
}

bool CommonGround::InRange(uint8_t desk, uint8_t seat) const
{
    return desk >= 1 && desk <= kDesks && seat >= 1 && seat <= seatsPerDesk_;
}

const Participant* CommonGround::At(uint8_t desk, uint8_t seat) const
{
    return InRange(desk, seat) ? desks_[desk - 1][seat - 1] : nullptr;
}

net::DeskRecord CommonGround::Record(uint8_t desk) const
{
    net::DeskRecord r;
    for (uint8_t s = 0; s < 3; ++s)
        r.seats[s] = SeatOf(desks_[desk - 1][s]);
    return r;
}

OutFrame CommonGround::DeskList() const
{
    std::vector<net::DeskRecord> desks;
    desks.reserve(kDesks);
    for (uint8_t d = 1; d <= kDesks; ++d)
        desks.push_back(Record(d));
    return MakeOutFrame(net::MsgRecord::Build(net::RoomMsg::DeskList, net::DeskList::EncodeCommon(desks)));
}

CommonGround::Place CommonGround::Find(const Participant& who) const
{
    for (uint8_t d = 0; d < kDesks; ++d)
        for (uint8_t s = 0; s < seatsPerDesk_; ++s)
            if (desks_[d][s] == &who)
                return {static_cast<uint8_t>(d + 1), static_cast<uint8_t>(s + 1)};
    return {};
}

void CommonGround::OnDeskMsg(Participant& from, uint8_t desk, uint8_t subChannel, const net::RecordView& record)
{
    // Game messages (sub-channel 1 and up) belong to the rules of a running game.
    if (subChannel != 0)
        return;
    // Sit and leave carry (1, seat).
    const net::ByteReader data = record.Data();
    const uint8_t seat = data.U8(1);
    if (data.Size() < 2 || !InRange(desk, seat))
        return;
    switch (record.Id()) {
    case net::DeskMsg::Sit:
        Sit(from, desk, seat);
        break;
    case net::DeskMsg::LeaveSeat:
    case net::DeskMsg::ForcedExit:
        Stand(from, desk, seat);
        break;
    default:
        break;
    }
}

void CommonGround::Sit(Participant& who, uint8_t desk, uint8_t seat)
{
    Participant*& place = desks_[desk - 1][seat - 1];
    if (place || Find(who).desk != 0)
        return;
    place = &who;
    who.Deliver(DeskMsgFrame(net::DeskMsg::Seated, net::Encoded(Record(desk))));
    const net::SeatNotice notice{desk, seat, SeatOf(&who)};
    host_.Broadcast(MakeOutFrame(net::MsgRecord::Build(net::RoomMsg::SeatTaken, net::Encoded(notice))));
}

void CommonGround::Stand(Participant& who, uint8_t desk, uint8_t seat)
{
    Participant*& place = desks_[desk - 1][seat - 1];
    if (place != &who)
        return;
    place = nullptr;
    const net::SeatNotice notice{desk, seat, {}};
    host_.Broadcast(MakeOutFrame(net::MsgRecord::Build(net::RoomMsg::SeatFreed, net::Encoded(notice))));
}

void CommonGround::OnLeave(Participant& who)
{
    const Place p = Find(who);
    if (p.desk != 0)
        Stand(who, p.desk, p.seat);
}

} // namespace server
