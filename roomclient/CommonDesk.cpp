#include "roomclient/CommonDesk.h"

void CCommonDesk::SetFromDeskRecord(const net::DeskRecord& record)
{
    for (int seat = 1; seat <= kMaxSeats; ++seat)
        SetSeatEntry(seat, record.seats[seat - 1]);
    // The common desk list's own state byte; the ladder reads the other one.
    SetState(record.commonState);
}
