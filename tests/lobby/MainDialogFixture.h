#pragma once
// A main dialog on the manual clock with recorded message boxes, and room entries to
// open in it. Rooms never connect: their first timer only runs when the test advances
// the clock.
#include "lobby/ClientDlg.h"
#include "net/RoomEntry.h"
#include "platform/Text.h"
#include "platform/testing/ManualClock.h"
#include "platform/testing/RecordingMessageBoxes.h"
#include "roomclient/HallClient.h"

#include <gtest/gtest.h>

inline net::RoomEntry Room(uint16_t hall, uint16_t room, const QString& name)
{
    net::RoomEntry entry;
    entry.gameType = 1;
    entry.groundMode = 1;
    entry.hallNumber = hall;
    entry.roomId = room;
    entry.address = "127.0.0.1";
    entry.port = 1;
    entry.roomName = platform::ToGbk(name).toStdString();
    entry.roomNumber = hall * 100u + room;
    return entry;
}

class MainDialogTest : public ::testing::Test {
protected:
    CHallClient* Window(uint8_t key) const
    {
        for (const CClientDlg::OpenRoomEntry& room : dlg.OpenRooms())
            if (room.key == key)
                return room.window.get();
        return nullptr;
    }
    std::vector<int> Keys() const
    {
        std::vector<int> keys;
        for (const CClientDlg::OpenRoomEntry& room : dlg.OpenRooms())
            keys.push_back(room.key);
        return keys;
    }

    platform::ManualClock clock;
    platform::RecordingMessageBoxes boxes;
    CClientDlg dlg;
};
