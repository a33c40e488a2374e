#include "server/ChallengeGround.h"

#include "net/DeskList.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"

namespace server {

OutFrame ChallengeGround::DeskList() const
{
    const std::vector<net::EntryDeskEntry> idle(kEntryDesks);
    return MakeOutFrame(net::MsgRecord::Build(net::RoomMsg::DeskList, net::DeskList::EncodeChallenge(idle)));
}

void ChallengeGround::OnDeskMsg(Participant& from, uint8_t desk, uint8_t subChannel, const net::RecordView& record)
{
    if (subChannel == 0 && record.Id() == net::DeskMsg::Sit && desk >= 1 && desk <= kEntryDesks)
        from.Deliver(DeskMsgFrame(net::DeskMsg::DeskFull));
}

} // namespace server
