#pragma once
// A room window in a shown top-level window, talking to a scripted room peer on the
// manual clock, with a recording owner and recorded message boxes.
#include "FakeRoomOwner.h"
#include "ScriptedRoomPeer.h"

#include "roomclient/ChatCtrl.h"
#include "roomclient/HallClient.h"

#include "net/ByteWriter.h"
#include "net/ChatRecord.h"
#include "net/MsgIds.h"
#include "net/PlayerEntry.h"
#include "platform/Text.h"
#include "platform/testing/ManualClock.h"
#include "platform/testing/RecordingMessageBoxes.h"

#include <QTextEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace roomtest {

inline constexpr uint32_t kRoomNumber = 0x01020304;

inline net::PlayerRecord Record(const char* name, int32_t points)
{
    net::PlayerRecord r;
    r.name = name;
    r.tally = 3;
    r.points = points;
    return r;
}

inline net::PlayerEntry Entry(const char* name, uint16_t key, int32_t points = 10)
{
    return {Record(name, points), key};
}

inline net::MsgRecord Msg(uint8_t id, std::vector<uint8_t> data = {})
{
    return net::MsgRecord::Build(id, data);
}

inline net::MsgRecord KeyMsg(uint16_t key)
{
    return Msg(net::RoomMsg::LoginAccepted, {static_cast<uint8_t>(key), static_cast<uint8_t>(key >> 8)});
}

inline net::MsgRecord PlayerMsg(uint8_t id, const net::PlayerEntry& entry)
{
    return Msg(id, net::Encoded(entry));
}

inline net::MsgRecord ChatMsg(uint16_t sender, uint16_t receiver, const char* text)
{
    net::ChatRecord chat;
    chat.lineType = static_cast<uint8_t>(net::ChatLine::Player);
    chat.sender = sender;
    chat.receiver = receiver;
    chat.text = text;
    return Msg(net::RoomMsg::Chat, net::Encoded(chat));
}

class RoomFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        top = std::make_unique<QWidget>();
        top->resize(600, 500);
        top->show();
        room = new CHallClient(&owner);
        net::RoomEntry entry;
        entry.gameType = 1;
        entry.groundMode = 1;
        entry.hallNumber = 3;
        entry.roomId = 2;
        entry.address = "127.0.0.1";
        entry.port = peer.Port();
        entry.roomName = platform::ToGbk(QStringLiteral("聊天室")).toStdString();
        entry.roomNumber = kRoomNumber;
        room->SetRoomEntry(entry);
        room->Create(top.get(), QRect(0, 0, 590, 490), 122);
        room->SetMyInfo(Record("tavik", 120));
    }

    bool Until(const std::function<bool()>& done) { return ScriptedRoomPeer::WaitFor(done); }

    // Timer 1 and the server's acceptance.
    void LogIn(uint16_t key = 5)
    {
        clock.Advance(CHallClient::kTimerPeriod);
        ASSERT_TRUE(peer.WaitForEnvelopes(1));
        peer.Send(KeyMsg(key));
        ASSERT_TRUE(Until([&] { return room->IsLoggedIn(); }));
    }
    // Through the player list to the desk list request.
    void LoadPlayers(const std::vector<net::PlayerEntry>& players)
    {
        clock.Advance(CHallClient::kTimerPeriod);
        peer.Send(Msg(net::RoomMsg::PlayerList, net::PlayerEntry::EncodeList(players)));
        const QString loadingDesks = QStringLiteral("正在下载游戏桌信息，请稍候^_^");
        ASSERT_TRUE(Until([&] { return owner.Tip() == loadingDesks; }));
    }
    QString History() { return room->ChatCtrl()->History()->toPlainText(); }

    platform::ManualClock clock;
    platform::RecordingMessageBoxes boxes;
    ScriptedRoomPeer peer;
    FakeRoomOwner owner;
    std::unique_ptr<QWidget> top;
    QPointer<CHallClient> room;
};

} // namespace roomtest
