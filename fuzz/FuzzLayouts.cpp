// Feeds arbitrary bytes, as a received record, to every layout reader of the wire layer.
// The readers must stay inside the bytes given; the sanitizers watch every access.
#include "net/BoutResult.h"
#include "net/ChallengeJoined.h"
#include "net/ChatRecord.h"
#include "net/DeskBytes.h"
#include "net/DeskList.h"
#include "net/DeskMessage.h"
#include "net/DuelTurnResult.h"
#include "net/FindChoice.h"
#include "net/FindTurnResult.h"
#include "net/HallList.h"
#include "net/HideTurnResult.h"
#include "net/LadderPlacement.h"
#include "net/LadderPosition.h"
#include "net/LadderSeatNotice.h"
#include "net/LoginRequest.h"
#include "net/MsgRecord.h"
#include "net/PlayerEntry.h"
#include "net/QueueNotice.h"
#include "net/QueuePosition.h"
#include "net/RoomEntry.h"
#include "net/SeatNotice.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

// A fixed layout read from short or long input re-encodes to its full size, and reading
// that again gives the same value.
template <class Layout>
void RoundTrip(const net::ByteReader& r)
{
    const Layout value = Layout::Decode(r);
    const auto bytes = net::Encoded(value);
    Check(bytes.size() == Layout::kSize);
    Check(Layout::Decode(net::ByteReader(bytes)) == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const net::ByteReader record(std::span(data, size));
    const net::ByteReader body = record.From(net::kRecordHeaderSize);

    RoundTrip<net::PlayerRecord>(body);
    RoundTrip<net::LoginRequest>(body);
    RoundTrip<net::PlayerEntry>(body);
    RoundTrip<net::SeatNotice>(body);
    RoundTrip<net::SeatEntry>(body);
    RoundTrip<net::DeskRecord>(body);
    RoundTrip<net::EntryDeskEntry>(body);
    RoundTrip<net::BoutResult>(body);
    RoundTrip<net::HideTurnResult>(body);
    RoundTrip<net::FindChoice>(body);
    RoundTrip<net::FindTurnResult>(body);
    RoundTrip<net::DuelTurnResult>(body);
    RoundTrip<net::LadderPosition>(body);
    RoundTrip<net::QueuePosition>(body);

    const net::HallList halls = net::HallList::Decode(body);
    Check(halls.Size() <= body.Size() + net::HallRecord::kSize + net::RoomRecord::kSize);
    for (const auto& entry : halls.halls)
        for (const auto& room : entry.rooms)
            (void)net::RoomEntry::From(entry.hall, room);

    const net::ChatRecord chat = net::ChatRecord::Decode(body);
    Check(chat.text.size() <= body.Size());
    Check(net::PlayerEntry::DecodeList(body).size() == body.Size() / net::PlayerEntry::kSize);
    Check(net::DeskList::DecodeCommon(body).size() == net::kRoomDeskCount);
    Check(net::DeskList::DecodeChallenge(body).size() == net::kRoomDeskCount);

    // Room message 100 and what it nests, as the desk clients and the games read it.
    const net::RecordView desk = net::DeskMessage::Of(record);
    const net::ByteReader deskData = desk.Data();
    RoundTrip<net::LadderSeatNotice>(deskData);
    RoundTrip<net::QueueNotice>(deskData);
    RoundTrip<net::LadderPlacement>(deskData);
    for (int levels : {3, 5}) {
        const auto joined = net::ChallengeJoined::Decode(deskData, levels);
        Check(joined.Size() == 1 + net::LadderState::Empty(levels).Size());
    }
    (void)net::DeskMessage::GameOf(record).Data().U32(0);

    // Desk bytes as a room server receives them.
    const net::DeskBytes deskBytes(record);
    (void)deskBytes.Record().Data().U16(deskBytes.Desk());
    return 0;
}
