#pragma once
// A desk of a common room: two chairs (three for three-seat games) in a 160 x 120 cell,
// its seats and state taken from the common desk list.
#include "roomclient/GameDesk.h"

#include "net/DeskRecord.h"

class CCommonDesk : public CGameDesk {
public:
    static constexpr int kCellWidth = 160;
    static constexpr int kCellHeight = 120;

    using CGameDesk::CGameDesk;

    // The desk's record of the common desk list: its seats and its state.
    void SetFromDeskRecord(const net::DeskRecord& record);
};
