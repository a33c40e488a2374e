#include "RoomFixture.h"

#include "roomclient/GameDeskGround.h"

#include "controls/MyEdit.h"
#include "controls/SWListCtrl.h"
#include "controls/SplitButton.h"
#include "controls/TitleBar.h"
#include "net/DeskList.h"

#include <QDir>
#include <QTest>

namespace {

using namespace roomtest;

struct Places {
    QRect title;
    QRect split;
    QRect ground;
    QRect list;
    QRect chat;
};

class RoomWindowTest : public RoomFixture {
protected:
    Places Now() const
    {
        return {room->TitleBar()->geometry(), room->SplitButton()->geometry(),
                room->DeskGround()->geometry(), room->PlayerList()->geometry(),
                room->ChatCtrl()->geometry()};
    }
    void Click() { QTest::mouseClick(room->SplitButton(), Qt::LeftButton); }
    bool ColumnShown() const { return room->PlayerList()->isVisible() && room->ChatCtrl()->isVisible(); }
};

void ExpectPlaces(const Places& actual, const Places& expected)
{
    EXPECT_EQ(actual.title, expected.title);
    EXPECT_EQ(actual.split, expected.split);
    EXPECT_EQ(actual.ground, expected.ground);
    EXPECT_EQ(actual.list, expected.list);
    EXPECT_EQ(actual.chat, expected.chat);
}

TEST_F(RoomWindowTest, ChildrenFillTheRoomArea)
{
    ExpectPlaces(Now(), {QRect(0, 0, 370, 20), QRect(370, 0, 20, 20), QRect(0, 20, 390, 470),
                         QRect(390, 0, 200, 245), QRect(390, 245, 200, 245)});
    EXPECT_TRUE(ColumnShown());
    EXPECT_EQ(room->ControlId(), 122);
    EXPECT_EQ(room->HallNumber(), 3);
    EXPECT_EQ(room->RoomId(), 2);
}

TEST_F(RoomWindowTest, FoldThenUnfoldReturnsEveryChild)
{
    const Places expanded = Now();
    Click();
    EXPECT_FALSE(room->IsExpanded());
    EXPECT_FALSE(room->PlayerList()->isVisible());
    EXPECT_FALSE(room->ChatCtrl()->isVisible());
    EXPECT_EQ(room->SplitButton()->text(), QStringLiteral("<"));
    ExpectPlaces(Now(), {QRect(0, 0, 570, 20), QRect(570, 0, 20, 20), QRect(0, 20, 590, 470),
                         expanded.list, expanded.chat});
    Click();
    EXPECT_TRUE(room->IsExpanded());
    EXPECT_TRUE(ColumnShown());
    ExpectPlaces(Now(), expanded);
}

TEST_F(RoomWindowTest, ResizingWhileFoldedKeepsTheColumnHidden)
{
    Click();
    room->resize(700, 400);
    EXPECT_FALSE(room->PlayerList()->isVisible());
    EXPECT_EQ(room->DeskGround()->geometry(), QRect(0, 20, 700, 380));
    EXPECT_EQ(room->TitleBar()->geometry(), QRect(0, 0, 680, 20));
    Click();
    ExpectPlaces(Now(), {QRect(0, 0, 480, 20), QRect(480, 0, 20, 20), QRect(0, 20, 500, 380),
                         QRect(500, 0, 200, 200), QRect(500, 200, 200, 200)});
}

// Pictures of a busy room for the documentation, expanded and folded.
TEST_F(RoomWindowTest, ScreenshotsOfABusyRoom)
{
    LogIn(5);
    LoadPlayers({Entry("zoe", 9, 340), Entry("tavik", 5, 120), Entry("amy", 7, 85), Entry("li", 11, 1020)});
    std::vector<net::DeskRecord> desks(net::kRoomDeskCount);
    auto seat = [&](int desk, int s, const char* name) {
        desks[desk - 1].seats[s - 1].player.name = name;
        desks[desk - 1].seats[s - 1].occupied = 1;
    };
    seat(1, 1, "zoe");
    seat(1, 2, "amy");
    desks[0].commonState = 1;
    seat(2, 2, "li");
    seat(4, 1, "tavik");
    clock.Advance(CHallClient::kTimerPeriod);
    peer.Send(Msg(net::RoomMsg::DeskList, net::DeskList::EncodeCommon(desks)));
    peer.Send(PlayerMsg(net::RoomMsg::PlayerEntered, Entry("bo", 12, 60)));
    peer.Send(ChatMsg(9, 0, "hello everybody"));
    peer.Send(ChatMsg(7, 5, "a game, tavik?"));
    ASSERT_TRUE(Until([&] { return History().contains(QStringLiteral("tavik?")); }));
    room->ChatCtrl()->SelectReceiver(QStringLiteral("am"));
    room->ChatCtrl()->Input()->setPlainText(QStringLiteral("sure, desk 4"));
    room->ChatCtrl()->Send();

    QDir().mkpath(QStringLiteral("screenshots"));
    const QImage expanded = room->grab().toImage();
    Click();
    const QImage folded = room->grab().toImage();
    ASSERT_EQ(expanded.size(), QSize(590, 490));
    EXPECT_TRUE(expanded.save(QStringLiteral("screenshots/room-expanded.png")));
    EXPECT_TRUE(folded.save(QStringLiteral("screenshots/room-folded.png")));
    // Folded, the desks reach where the player list was: desk 3 now stands there.
    EXPECT_EQ(room->DeskGround()->width(), 590);
    const QRect column(390, 20, 200, 200);
    int changed = 0;
    for (int y = column.top(); y <= column.bottom(); ++y)
        for (int x = column.left(); x <= column.right(); ++x)
            changed += folded.pixelColor(x, y) != expanded.pixelColor(x, y);
    EXPECT_GT(changed, column.width() * column.height() / 10);
}

} // namespace
