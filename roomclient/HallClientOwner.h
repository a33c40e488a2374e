#pragma once
// What a room window asks of the main dialog that owns it. The main dialog implements
// it; room windows never see the main dialog's class, so roomclient/ stays below lobby/.
#include <QString>

#include <cstdint>

class CHallClient;

class CHallClientOwner {
public:
    virtual ~CHallClientOwner() = default;

    // The wait notice shared by the lobby and every room.
    virtual void ShowTip(const QString& text) = 0;
    virtual void HideTip() = 0;
    // Stores the points in the main dialog's own player record.
    virtual void SetMyPoints(int32_t points) = 0;
    // Marks or unmarks the tab of `room` as playing.
    virtual void SetGameFlag(CHallClient* room, bool playing) = 0;
    // The room is full: close its tab; the room window goes away once its handler returns.
    virtual void CloseRoom(CHallClient* room) = 0;
};
