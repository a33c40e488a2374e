#include "RoomServerRun.h"

#include "roomclient/ChatCtrl.h"
#include "roomclient/CommonDeskGroundClient.h"
#include "roomclient/GameDeskGround.h"
#include "roomclient/HallClient.h"
#include "roomclient/HallClientOwner.h"

#include "controls/MyEdit.h"
#include "controls/SWListCtrl.h"
#include "net/DeskBytes.h"
#include "net/MsgIds.h"
#include "net/RoomEntry.h"
#include "platform/testing/ManualClock.h"
#include "platform/testing/RecordingMessageBoxes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextEdit>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

class QuietOwner : public CHallClientOwner {
public:
    void ShowTip(const QString&) override {}
    void HideTip() override {}
    void SetMyPoints(int32_t) override {}
    void SetGameFlag(CHallClient*, bool) override {}
    void CloseRoom(CHallClient*) override { ADD_FAILURE() << "room reported full"; }
};

bool Until(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 10000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

std::optional<net::RoomEntry> FirstCommonRoom(const net::HallList& list)
{
    for (const net::HallEntry& hall : list.halls)
        if (hall.hall.groundMode == static_cast<uint8_t>(net::GroundMode::Common) && !hall.rooms.empty())
            return net::RoomEntry::From(hall.hall, hall.rooms.front());
    return std::nullopt;
}

bool Lists(CHallClient* room, const char* name)
{
    return room->PlayerList()->FindItem(0, QString::fromUtf8(name)) >= 0;
}

QString History(CHallClient* room)
{
    return room->ChatCtrl()->History()->toPlainText();
}

void Say(CHallClient* room, const QString& text, const QString& to = {})
{
    if (!to.isEmpty())
        room->ChatCtrl()->SelectReceiver(to);
    room->ChatCtrl()->Input()->setPlainText(text);
    room->ChatCtrl()->Send();
}

TEST(RoomEndToEnd, TwoPlayersMeetChatTakeASeatAndPart)
{
    platform::ManualClock clock;
    platform::RecordingMessageBoxes boxes;
    RoomServerRun server({"alice", "bob"});
    ASSERT_TRUE(server.Started()) << server.Failure().toStdString();
    LobbySession lobbyA(server.LobbyPort(), "alice");
    LobbySession lobbyB(server.LobbyPort(), "bob");
    ASSERT_TRUE(lobbyA.LoggedIn()) << lobbyA.Failure().toStdString();
    ASSERT_TRUE(lobbyB.LoggedIn()) << lobbyB.Failure().toStdString();
    const std::optional<net::RoomEntry> entry = FirstCommonRoom(lobbyA.Halls());
    ASSERT_TRUE(entry);

    QWidget top;
    top.resize(1200, 500);
    top.show();
    QuietOwner ownerA;
    QuietOwner ownerB;
    auto open = [&](CHallClientOwner* owner, const net::PlayerRecord& me, int x) {
        auto* room = new CHallClient(owner);
        room->SetRoomEntry(*entry);
        room->Create(&top, QRect(x, 0, 590, 490), 122);
        room->SetMyInfo(me);
        return room;
    };
    QPointer<CHallClient> roomA = open(&ownerA, lobbyA.Me(), 0);
    CHallClient* roomB = open(&ownerB, lobbyB.Me(), 600);

    // Login, player list and desk list, each 500 ms after the answer before it.
    clock.Advance(CHallClient::kTimerPeriod);
    ASSERT_TRUE(Until([&] { return roomA->IsLoggedIn() && roomB->IsLoggedIn(); }));
    clock.Advance(CHallClient::kTimerPeriod);
    ASSERT_TRUE(Until([&] { return Lists(roomA, "bob") && Lists(roomB, "alice"); }));
    EXPECT_EQ(roomA->PlayerList()->ItemText(0, 0), QStringLiteral("alice"));
    clock.Advance(CHallClient::kTimerPeriod);
    auto* viewB = qobject_cast<CCommonDeskGroundClient*>(roomB->DeskGround()->Client());
    ASSERT_NE(viewB, nullptr);
    ASSERT_TRUE(Until([&] { return viewB->Desk(1) && viewB->HasDeskList(); }));

    Say(roomA, QStringLiteral("hello all"));
    const QString toAll = QStringLiteral("[alice]->[所有人] hello all");
    ASSERT_TRUE(Until([&] { return History(roomB).contains(toAll); }));
    Say(roomB, QStringLiteral("hi alice"), QStringLiteral("ali"));
    ASSERT_TRUE(Until([&] { return History(roomA).contains(QStringLiteral("[bob]->[你] hi alice")); }));

    // Alice asks for seat 1 of desk 3, as her desk client will.
    const net::MsgRecord sit = net::MsgRecord::Build(net::DeskMsg::Sit, std::vector<uint8_t>{1, 1});
    roomA->SendDeskMsg(net::DeskBytes::Build(3, 0, sit.Bytes()));
    ASSERT_TRUE(Until([&] { return viewB->Desk(3)->IsOccupied(1); }));
    EXPECT_EQ(viewB->Desk(3)->SeatName(1), QStringLiteral("alice"));

    delete roomA;
    ASSERT_TRUE(Until([&] { return !Lists(roomB, "alice"); }));
    EXPECT_TRUE(History(roomB).contains(QStringLiteral("alice离开房间")));
    EXPECT_EQ(roomB->Players().size(), 1u);
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join('|').toStdString();
}

} // namespace
