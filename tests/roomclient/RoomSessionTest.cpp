#include "RoomFixture.h"

#include "roomclient/CommonDeskGroundClient.h"
#include "roomclient/GameDeskGround.h"

#include "controls/MyEdit.h"
#include "controls/SWComboBox.h"
#include "controls/SWListCtrl.h"
#include "net/DeskList.h"

#include <QCoreApplication>
#include <QTest>

namespace {

using namespace roomtest;

class RoomSessionTest : public RoomFixture {
protected:
    CSWListCtrl* List() { return room->PlayerList(); }
};

TEST_F(RoomSessionTest, TimersChainLoginPlayersAndDesks)
{
    EXPECT_EQ(owner.Tip(), QStringLiteral("正在登陆房间，请稍候^_^"));
    clock.Advance(499);
    EXPECT_TRUE(clock.HasTimer(room, CHallClient::kLoginTimer));
    EXPECT_TRUE(peer.Ids().empty());
    clock.Advance(1);
    ASSERT_TRUE(peer.WaitForEnvelopes(1));
    const ReceivedEnvelope& login = peer.Envelopes()[0];
    EXPECT_EQ(login.kind, 4u);
    EXPECT_EQ(login.target, kRoomNumber);
    EXPECT_EQ(login.channel, 1);
    EXPECT_EQ(login.Id(), net::RoomMsg::Login);
    EXPECT_EQ(std::vector<uint8_t>(login.bytes.begin() + 8, login.bytes.end()),
              net::Encoded(Record("tavik", 120)));
    EXPECT_EQ(clock.Sleeps(), std::vector<uint32_t>{100});
    EXPECT_FALSE(clock.HasTimer(room, CHallClient::kLoginTimer));

    peer.Send(KeyMsg(5));
    ASSERT_TRUE(Until([&] { return room->IsLoggedIn(); }));
    EXPECT_EQ(room->MyKey(), 5);
    EXPECT_EQ(owner.Tip(), QStringLiteral("正在下载玩家信息，请稍候^_^"));
    clock.Advance(499);
    EXPECT_TRUE(clock.HasTimer(room, CHallClient::kPlayerListTimer));
    clock.Advance(1);
    EXPECT_FALSE(clock.HasTimer(room, CHallClient::kPlayerListTimer));
    ASSERT_TRUE(peer.WaitForEnvelopes(2));
    EXPECT_EQ(peer.Ids().back(), net::RoomMsg::PlayerListRequest);
    EXPECT_EQ(peer.Envelopes().back().bytes.size(), 8u);

    peer.Send(Msg(net::RoomMsg::PlayerList,
                  net::PlayerEntry::EncodeList({Entry("zoe", 9, 40), Entry("tavik", 5, 120)})));
    ASSERT_TRUE(Until([&] { return room->Players().size() == 2; }));
    EXPECT_EQ(owner.Tip(), QStringLiteral("正在下载游戏桌信息，请稍候^_^"));
    clock.Advance(499);
    EXPECT_TRUE(clock.HasTimer(room, CHallClient::kDeskListTimer));
    clock.Advance(1);
    ASSERT_TRUE(peer.WaitForEnvelopes(3));
    EXPECT_EQ(peer.Ids().back(), net::RoomMsg::DeskListRequest);

    std::vector<net::DeskRecord> desks(net::kRoomDeskCount);
    desks[1].seats[0].player.name = "zoe";
    desks[1].seats[0].occupied = 1;
    peer.Send(Msg(net::RoomMsg::DeskList, net::DeskList::EncodeCommon(desks)));
    auto* view = qobject_cast<CCommonDeskGroundClient*>(room->DeskGround()->Client());
    ASSERT_TRUE(Until([&] { return view->Desk(2)->IsOccupied(1); }));
    EXPECT_EQ(owner.tips.last(), QStringLiteral("hide"));
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(RoomSessionTest, PlayerListPinsTheOwnRow)
{
    LogIn();
    LoadPlayers({Entry("zoe", 9, 40), Entry("tavik", 5, 120), Entry("amy", 7, 3)});
    ASSERT_EQ(List()->RowCount(), 3);
    EXPECT_EQ(List()->ItemText(0, 0), QStringLiteral("tavik"));
    EXPECT_EQ(List()->ItemText(0, 1), QStringLiteral("120"));
    EXPECT_EQ(room->ChatCtrl()->NameOfKey(7), QStringLiteral("amy"));
    // The names already present come without entry lines.
    EXPECT_FALSE(History().contains(QStringLiteral("进入房间")));
}

TEST_F(RoomSessionTest, EmptyPlayerListStillAsksForTheDesks)
{
    LogIn();
    LoadPlayers({});
    EXPECT_EQ(List()->RowCount(), 0);
    EXPECT_TRUE(room->Players().empty());
    EXPECT_TRUE(clock.HasTimer(room, CHallClient::kDeskListTimer));
}

TEST_F(RoomSessionTest, PlayerEnteringTwiceLeavesOnceAtATime)
{
    LogIn();
    LoadPlayers({Entry("tavik", 5)});
    peer.Send(PlayerMsg(net::RoomMsg::PlayerEntered, Entry("dup", 8, 11)));
    peer.Send(PlayerMsg(net::RoomMsg::PlayerEntered, Entry("dup", 8, 11)));
    ASSERT_TRUE(Until([&] { return room->Players().size() == 3; }));
    EXPECT_EQ(List()->RowCount(), 3);
    EXPECT_EQ(room->ChatCtrl()->ReceiverBox()->count(), 3);
    EXPECT_EQ(History().count(QStringLiteral("dup进入房间")), 2);

    peer.Send(PlayerMsg(net::RoomMsg::PlayerLeft, Entry("dup", 8)));
    ASSERT_TRUE(Until([&] { return room->Players().size() == 2; }));
    EXPECT_EQ(List()->RowCount(), 2);
    EXPECT_EQ(room->ChatCtrl()->ReceiverBox()->count(), 2);
    EXPECT_EQ(History().count(QStringLiteral("dup离开房间")), 1);

    // A key nobody has: the table keeps its entries; the row goes by the name it carries.
    peer.Send(PlayerMsg(net::RoomMsg::PlayerLeft, Entry("dup", 99)));
    ASSERT_TRUE(Until([&] { return List()->RowCount() == 1; }));
    EXPECT_EQ(room->Players().size(), 2u);
}

TEST_F(RoomSessionTest, LobbyRecordUpdatesRowZero)
{
    LogIn();
    LoadPlayers({Entry("zoe", 9, 40), Entry("tavik", 5, 120)});
    room->SetMyInfo(Record("tavik", 777));
    EXPECT_EQ(List()->ItemText(0, 1), QStringLiteral("777"));
    EXPECT_EQ(room->MyInfo().points, 777);
    EXPECT_EQ(List()->ItemText(1, 1), QStringLiteral("40"));
}

TEST_F(RoomSessionTest, DoubleClickedPlayerBecomesTheReceiver)
{
    LogIn();
    LoadPlayers({Entry("tavik", 5), Entry("zoe", 9)});
    QTreeWidgetItem* zoe = List()->topLevelItem(List()->FindItem(0, QStringLiteral("zoe")));
    const QPoint at = List()->visualItemRect(zoe).center();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(room->ChatCtrl()->ReceiverBox()->currentText(), QStringLiteral("zoe"));
}

TEST_F(RoomSessionTest, OwnRecordReachesTheDeskView)
{
    room->SetMyInfo(Record("tavik", 55));
    auto* view = qobject_cast<CCommonDeskGroundClient*>(room->DeskGround()->Client());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->MyInfo(), Record("tavik", 55));
}

TEST_F(RoomSessionTest, RoomFullClosesTheRoom)
{
    clock.Advance(CHallClient::kTimerPeriod);
    ASSERT_TRUE(peer.WaitForEnvelopes(1));
    peer.Send(Msg(net::RoomMsg::RoomFull));
    ASSERT_TRUE(Until([&] { return !owner.closed.empty(); }));
    EXPECT_EQ(boxes.Texts(), QStringList{"房间人数已经满了，请尝试登陆其他房间"});
    EXPECT_EQ(owner.tips.last(), QStringLiteral("hide"));
    ASSERT_TRUE(Until([&] { return room.isNull(); }));
    // Never logged in: no goodbye.
    ASSERT_TRUE(peer.WaitForClientToGo());
    EXPECT_EQ(peer.Ids(), std::vector<uint8_t>{net::RoomMsg::Login});
}

TEST_F(RoomSessionTest, ClosingBeforeAcceptanceSaysNoGoodbye)
{
    clock.Advance(CHallClient::kTimerPeriod);
    ASSERT_TRUE(peer.WaitForEnvelopes(1));
    delete room;
    ASSERT_TRUE(peer.WaitForClientToGo());
    EXPECT_EQ(peer.Ids(), std::vector<uint8_t>{net::RoomMsg::Login});
}

TEST_F(RoomSessionTest, ClosingALoggedInRoomSaysGoodbye)
{
    LogIn();
    clock.ClearSleeps();
    delete room;
    ASSERT_TRUE(peer.WaitForClientToGo());
    EXPECT_EQ(peer.Ids(), (std::vector<uint8_t>{net::RoomMsg::Login, net::RoomMsg::Leave}));
    EXPECT_EQ(clock.Sleeps(), std::vector<uint32_t>{100});
}

TEST_F(RoomSessionTest, ChatGoesBothWays)
{
    LogIn(5);
    LoadPlayers({Entry("tavik", 5), Entry("zoe", 9)});
    room->ChatCtrl()->Input()->setPlainText(QStringLiteral("  hi  "));
    room->ChatCtrl()->Send();
    // Login, player list request, the line.
    ASSERT_TRUE(peer.WaitForEnvelopes(3));
    const ReceivedEnvelope& sent = peer.Envelopes().back();
    EXPECT_EQ(sent.Id(), net::RoomMsg::Chat);
    EXPECT_EQ(sent.bytes.size(), 8u + 15u);
    const net::ChatRecord chat = net::ChatRecord::Decode(net::ByteReader(sent.bytes).From(8));
    EXPECT_EQ(chat.text, "hi");
    EXPECT_EQ(chat.sender, 5);
    EXPECT_EQ(chat.receiver, 0);

    peer.Send(ChatMsg(9, 5, "hello you"));
    ASSERT_TRUE(Until([&] { return History().contains(QStringLiteral("hello you")); }));
    EXPECT_TRUE(History().contains(QStringLiteral("[zoe]->[你] hello you")));
}

TEST_F(RoomSessionTest, MessagesByIdGoWhereTheyBelong)
{
    LogIn();
    struct Case {
        const char* name;
        uint8_t id;
        QStringList boxes;
    };
    const Case cases[] = {
        {"leave is not for clients", 14, {"[CHallClient::OnReceiveMsg]未知消息ID=14"}},
        {"twenty", 20, {"[CHallClient::OnReceiveMsg]未知消息ID=20"}},
        {"zero", 0, {"[CHallClient::OnReceiveMsg]未知消息ID=0"}},
        {"desk level 30", 30, {}},
        {"desk level 34", 34, {}},
        {"desk level 255", 255, {}},
        {"desk list missing", 33, {"下载游戏桌信息失败"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        peer.Send(Msg(c.id, {1, 2, 3}));
        // A chat line after it shows when the message has been handled.
        peer.Send(ChatMsg(5, 0, c.name));
        ASSERT_TRUE(Until([&] { return History().contains(QString::fromUtf8(c.name)); }));
        EXPECT_EQ(boxes.Texts(), c.boxes);
    }
}

TEST_F(RoomSessionTest, DeskBytesGoOnTheDeskChannel)
{
    LogIn();
    clock.ClearSleeps();
    const uint8_t desk[] = {12, 0, 1, 0, 2, 0, 0, 0, 0, 0, 1, 2};
    room->DeskGround()->SendTransMsg(desk, sizeof desk);
    ASSERT_TRUE(peer.WaitForEnvelopes(2));
    const ReceivedEnvelope& sent = peer.Envelopes().back();
    EXPECT_EQ(sent.channel, 2);
    EXPECT_EQ(sent.target, kRoomNumber);
    EXPECT_EQ(sent.bytes, std::vector<uint8_t>(std::begin(desk), std::end(desk)));
    EXPECT_EQ(clock.Sleeps(), std::vector<uint32_t>{100});
}

TEST_F(RoomSessionTest, DeskGroundReportsReachTheOwner)
{
    room->DeskGround()->SetPlaying(1);
    room->DeskGround()->SetMyPoints(95);
    EXPECT_EQ(owner.gameFlags, std::vector<bool>{true});
    EXPECT_EQ(owner.points, std::vector<int32_t>{95});
    EXPECT_EQ(room->MyInfo().points, 95);
}

TEST_F(RoomSessionTest, ServerClosingTheConnectionIsShown)
{
    LogIn();
    peer.Close();
    ASSERT_TRUE(Until([&] { return !boxes.Texts().isEmpty(); }));
    EXPECT_EQ(boxes.Texts(), QStringList{"SOCKET已经关闭"});
    EXPECT_FALSE(room.isNull());
}

TEST_F(RoomSessionTest, BrokenStreamIsTreatedAsAClose)
{
    LogIn();
    // A length no record can have, then a whole chat line that must not be read.
    QByteArray bytes("\x05\x00\x00\x00", 4);
    peer.SendRaw(bytes + QByteArray(5, 'x'));
    peer.Send(ChatMsg(5, 0, "after"));
    ASSERT_TRUE(Until([&] { return !boxes.Texts().isEmpty(); }));
    // The client dropped the connection; whatever it had posted is handled by now.
    ASSERT_TRUE(peer.WaitForClientToGo());
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.Texts(), QStringList{"SOCKET已经关闭"});
    EXPECT_FALSE(History().contains(QStringLiteral("after")));
}

TEST(RoomSessionFailures, NoServerMeansConnectFailedAndNothingRetried)
{
    platform::ManualClock clock;
    platform::RecordingMessageBoxes boxes;
    FakeRoomOwner owner;
    QWidget top;
    top.resize(600, 500);
    auto* room = new CHallClient(&owner);
    net::RoomEntry entry;
    entry.groundMode = 1;
    entry.address = "127.0.0.1";
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        entry.port = closed.serverPort();
    }
    room->SetRoomEntry(entry);
    room->Create(&top, QRect(0, 0, 590, 490), 121);
    clock.Advance(CHallClient::kTimerPeriod);
    EXPECT_EQ(boxes.Texts(), QStringList{"连接失败,退出"});
    EXPECT_EQ(owner.Tip(), QStringLiteral("正在登陆房间，请稍候^_^"));
    clock.Advance(10 * CHallClient::kTimerPeriod);
    EXPECT_EQ(boxes.Texts().size(), 1);
}

} // namespace
