#include "roomclient/CommonDeskGroundClient.h"
#include "roomclient/GameDeskGround.h"

#include "net/DeskList.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"
#include "platform/testing/RecordingMessageBoxes.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor kRoom(82, 113, 156);

net::SeatEntry Player(const char* name, uint8_t occupied = 1)
{
    net::SeatEntry seat;
    seat.player.name = name;
    seat.occupied = occupied;
    return seat;
}

net::MsgRecord SeatMsg(uint8_t id, uint8_t desk, uint8_t seat, const net::SeatEntry& entry = {})
{
    std::vector<uint8_t> data(4 + net::SeatEntry::kSize, 0);
    data[0] = desk;
    data[2] = seat;
    entry.Encode(net::ByteWriter(std::span(data).subspan(4)));
    if (id == net::RoomMsg::SeatFreed)
        data.resize(4);
    return net::MsgRecord::Build(id, data);
}

// A 500-pixel view (3 columns of 166, margin 3) in a shown ground.
class CommonViewTest : public ::testing::Test {
protected:
    void SetUp() override { Make(515, 1); }
    void Make(int groundWidth, uint8_t gameType)
    {
        top = std::make_unique<QWidget>();
        top->resize(groundWidth + 10, 410);
        top->show();
        ground = new CGameDeskGround;
        ground->Create(QRect(0, 0, groundWidth, 400), top.get(), 101, CGameDeskGround::kCommonMode,
                       gameType, kRoom);
        view = qobject_cast<CCommonDeskGroundClient*>(ground->Client());
    }
    void Receive(const net::MsgRecord& record) { ground->OnGemeDeskMsg(record.Bytes()); }
    void ReceiveDeskList(std::vector<net::DeskRecord> desks = {})
    {
        desks.resize(net::kRoomDeskCount);
        Receive(net::MsgRecord::Build(net::RoomMsg::DeskList, net::DeskList::EncodeCommon(desks)));
    }
    void Mouse(QEvent::Type type, QPoint at)
    {
        QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }
    // Whether anything but the background shows in `area` of the view.
    bool Drawn(const QRect& area)
    {
        const QImage image = view->grab(area).toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != kRoom)
                    return true;
        return false;
    }

    platform::RecordingMessageBoxes boxes;
    std::unique_ptr<QWidget> top;
    CGameDeskGround* ground = nullptr;
    CCommonDeskGroundClient* view = nullptr;
};

TEST_F(CommonViewTest, DeskListGivesEveryDeskItsSeatsAndState)
{
    std::vector<net::DeskRecord> desks(net::kRoomDeskCount);
    desks[4].seats[1] = Player("alice");
    desks[99].commonState = 1;
    desks[99].ladderState = 0;
    desks[0].ladderState = 1;  // the ladder's byte means nothing here
    ReceiveDeskList(desks);
    EXPECT_TRUE(view->Desk(5)->IsOccupied(2));
    EXPECT_EQ(view->Desk(5)->SeatName(2), QStringLiteral("alice"));
    EXPECT_FALSE(view->Desk(5)->IsOccupied(1));
    EXPECT_EQ(view->Desk(100)->State(), 1);
    EXPECT_EQ(view->Desk(1)->State(), 0);
    EXPECT_TRUE(Drawn(view->Desk(5)->NameRect(2)));
    EXPECT_FALSE(Drawn(view->Desk(5)->NameRect(1).adjusted(0, 0, 30, 0)));
}

TEST_F(CommonViewTest, SeatTakenIsOccupiedWhateverTheSenderSays)
{
    ReceiveDeskList();
    Receive(SeatMsg(net::RoomMsg::SeatTaken, 7, 1, Player("bob", 0)));
    EXPECT_TRUE(view->Desk(7)->IsOccupied(1));
    EXPECT_EQ(view->Desk(7)->SeatName(1), QStringLiteral("bob"));
    EXPECT_TRUE(Drawn(view->Desk(7)->NameRect(1)));
}

TEST_F(CommonViewTest, SeatFreedErasesTheName)
{
    ReceiveDeskList();
    Receive(SeatMsg(net::RoomMsg::SeatTaken, 7, 2, Player("abcdefghij")));
    const QRect name = view->Desk(7)->NameRect(2);
    ASSERT_EQ(name.size(), QSize(60, 14));
    ASSERT_TRUE(Drawn(name));
    Receive(SeatMsg(net::RoomMsg::SeatFreed, 7, 2));
    EXPECT_FALSE(view->Desk(7)->IsOccupied(2));
    EXPECT_FALSE(Drawn(name));
}

TEST_F(CommonViewTest, GamesStartAndEndAtADesk)
{
    ReceiveDeskList();
    Receive(net::MsgRecord::Build(net::RoomMsg::GameStarted, std::vector<uint8_t>{9}));
    EXPECT_EQ(view->Desk(9)->State(), 1);
    Receive(net::MsgRecord::Build(net::RoomMsg::GameEnded, std::vector<uint8_t>{9}));
    EXPECT_EQ(view->Desk(9)->State(), 0);
}

TEST_F(CommonViewTest, NumbersOutOfRangeAndShortRecordsChangeNothing)
{
    ReceiveDeskList();
    struct Bad {
        const char* name;
        net::MsgRecord record;
    };
    Bad bad[] = {
        {"desk 0", SeatMsg(net::RoomMsg::SeatTaken, 0, 1, Player("x"))},
        {"desk 101", SeatMsg(net::RoomMsg::SeatTaken, 101, 1, Player("x"))},
        {"seat 0", SeatMsg(net::RoomMsg::SeatTaken, 1, 0, Player("x"))},
        {"seat 3 of a two-seat desk", SeatMsg(net::RoomMsg::SeatTaken, 1, 3, Player("x"))},
        {"freed seat 4", SeatMsg(net::RoomMsg::SeatFreed, 1, 4)},
        {"start at 200", net::MsgRecord::Build(net::RoomMsg::GameStarted, std::vector<uint8_t>{200})},
        {"start without data", net::MsgRecord::Build(net::RoomMsg::GameStarted)},
        {"unknown id", net::MsgRecord::Build(60, std::vector<uint8_t>{1, 1, 1})},
    };
    for (Bad& b : bad) {
        SCOPED_TRACE(b.name);
        Receive(b.record);
        for (int desk = 1; desk <= 100; ++desk) {
            ASSERT_FALSE(view->Desk(desk)->IsOccupied(1));
            ASSERT_EQ(view->Desk(desk)->State(), 0);
        }
    }
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(CommonViewTest, ShortDeskListLeavesTheMissingDesksEmpty)
{
    Receive(SeatMsg(net::RoomMsg::SeatTaken, 100, 1, Player("x")));
    std::vector<net::DeskRecord> desks(net::kRoomDeskCount);
    desks[0].seats[0] = Player("first");
    std::vector<uint8_t> data = net::DeskList::EncodeCommon(desks);
    data.resize(200);  // desk 1 and part of desk 2 only
    Receive(net::MsgRecord::Build(net::RoomMsg::DeskList, data));
    EXPECT_TRUE(view->Desk(1)->IsOccupied(1));
    EXPECT_FALSE(view->Desk(100)->IsOccupied(1));
}

TEST_F(CommonViewTest, MouseIsIgnoredUntilTheDeskList)
{
    const QPoint seat = view->Desk(1)->SeatRect(1).center();
    Mouse(QEvent::MouseMove, seat);
    EXPECT_EQ(view->HoveredSeat(), 0);
    ReceiveDeskList();
    Mouse(QEvent::MouseMove, seat);
    EXPECT_EQ(view->HoveredDesk(), 1);
    EXPECT_EQ(view->HoveredSeat(), 1);
    EXPECT_EQ(view->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(CommonViewTest, HoverFollowsTheMouseAcrossSeatsAndMargins)
{
    ReceiveDeskList();
    struct Step {
        const char* name;
        QPoint at;
        int desk;
        int seat;
    };
    const CCommonDesk* desk5 = view->Desk(5);
    const Step steps[] = {
        {"seat 2 of desk 5", desk5->SeatRect(2).center(), 5, 2},
        {"still inside it", desk5->SeatRect(2).topLeft(), 5, 2},
        {"the desk picture", desk5->PictureRect().center(), 0, 0},
        {"seat 1 of desk 5", desk5->SeatRect(1).center(), 5, 1},
        {"the margin", QPoint(166 + 3, desk5->SeatRect(1).center().y()), 0, 0},
        {"seat 1 of desk 1", view->Desk(1)->SeatRect(1).center(), 1, 1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        Mouse(QEvent::MouseMove, s.at);
        EXPECT_EQ(view->HoveredDesk(), s.desk);
        EXPECT_EQ(view->HoveredSeat(), s.seat);
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
    EXPECT_EQ(view->HoveredSeat(), 0);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(CommonViewTest, HoverDrawsARaisedFrameAndPressSinksIt)
{
    ReceiveDeskList();
    const QRect seat = view->Desk(2)->SeatRect(1);
    const QPoint topEdge = seat.topLeft() + QPoint(10, 0);
    auto edge = [&] { return view->grab(QRect(topEdge, QSize(1, 1))).toImage().pixelColor(0, 0); };
    Mouse(QEvent::MouseMove, seat.center());
    EXPECT_EQ(edge(), QColor(Qt::white));
    Mouse(QEvent::MouseButtonPress, seat.center());
    EXPECT_EQ(edge(), QColor(Qt::black));
    Mouse(QEvent::MouseButtonRelease, seat.center());
    EXPECT_EQ(edge(), QColor(Qt::white));
    Mouse(QEvent::MouseMove, view->Desk(2)->PictureRect().center());
    EXPECT_NE(edge(), QColor(Qt::white));
}

TEST_F(CommonViewTest, ClickOnASeatAsksForIt)
{
    ReceiveDeskList();
    Receive(SeatMsg(net::RoomMsg::SeatTaken, 3, 2, Player("taken")));
    QSignalSpy clicks(view, &CCommonDeskGroundClient::SeatClicked);
    const QPoint free = view->Desk(3)->SeatRect(1).center();
    const QPoint taken = view->Desk(3)->SeatRect(2).center();
    Mouse(QEvent::MouseMove, free);
    Mouse(QEvent::MouseButtonPress, free);
    // A taken seat may be asked for too: the server decides.
    Mouse(QEvent::MouseMove, taken);
    Mouse(QEvent::MouseButtonPress, taken);
    Mouse(QEvent::MouseMove, view->Desk(3)->PictureRect().center());
    Mouse(QEvent::MouseButtonPress, view->Desk(3)->PictureRect().center());
    ASSERT_EQ(clicks.size(), 2);
    EXPECT_EQ(clicks[0], (QList<QVariant>{3, 1}));
    EXPECT_EQ(clicks[1], (QList<QVariant>{3, 2}));
    EXPECT_TRUE(ground->hasFocus() || !ground->isActiveWindow());
}

TEST_F(CommonViewTest, ThreeSeatRoomsHoverTheThirdSeat)
{
    Make(515, 5);
    ASSERT_EQ(view->SeatsPerDesk(), 3);
    ReceiveDeskList();
    const QRect third = view->Desk(8)->SeatRect(3);
    ASSERT_FALSE(third.isNull());
    Mouse(QEvent::MouseMove, third.center());
    EXPECT_EQ(view->HoveredDesk(), 8);
    EXPECT_EQ(view->HoveredSeat(), 3);
    Receive(SeatMsg(net::RoomMsg::SeatTaken, 8, 3, Player("third")));
    EXPECT_TRUE(view->Desk(8)->IsOccupied(3));
    EXPECT_TRUE(Drawn(view->Desk(8)->NameRect(3)));
}

TEST_F(CommonViewTest, TooNarrowAtCreationShowsOnlyTheBackground)
{
    Make(170, 1);
    EXPECT_EQ(boxes.Texts(), QStringList{"场地太小，放不开游戏桌"});
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Desk(1), nullptr);
    ReceiveDeskList();
    Mouse(QEvent::MouseMove, QPoint(20, 50));
    EXPECT_FALSE(Drawn(QRect(0, 0, view->width(), 400)));
    // Wide enough later: the desks appear.
    ground->resize(515, 400);
    EXPECT_TRUE(Drawn(QRect(0, 0, view->width(), 120)));
    ASSERT_NE(view->Desk(100), nullptr);
}

TEST_F(CommonViewTest, ResizedViewDrawsTheDesksInTheirNewCells)
{
    ReceiveDeskList();
    Receive(SeatMsg(net::RoomMsg::SeatTaken, 2, 1, Player("mover")));
    ground->resize(175, 400);
    const CCommonDesk* desk2 = view->Desk(2);
    EXPECT_EQ(desk2->Cell(), QRect(0, 120, 160, 120));
    EXPECT_TRUE(Drawn(desk2->NameRect(1)));
    EXPECT_TRUE(Drawn(desk2->PictureRect()));
}

} // namespace
