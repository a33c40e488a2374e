// The main dialog on a screen 800 pixels wide: its start-up, the small layout, the
// rooms it opens, switches and closes, and its exit.
#include "MainDialogFixture.h"

#include "controls/MyPicBT.h"
#include "controls/MyTabCtrl.h"
#include "controls/TabButton.h"
#include "lobby/HallTree.h"
#include "lobby/LoginDlg.h"
#include "lobby/TipDlg.h"
#include "net/HallList.h"
#include "platform/Screen.h"
#include "platform/testing/ScriptedModalRunner.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPointer>
#include <QTest>

namespace {

// Group "group", hall 5 "hall", room 9 "room".
net::HallList OneRoomList()
{
    net::HallEntry hall;
    hall.hall.name = "hall";
    hall.hall.group = "group";
    hall.hall.groundMode = 1;
    hall.hall.hallNumber = 5;
    net::RoomRecord room;
    room.name = "room";
    room.roomId = 9;
    hall.rooms.push_back(room);
    return {{hall}};
}

TEST_F(MainDialogTest, StartsSmallWithTheLoginDialogTheLobbyTabAndTheLobbyPage)
{
    EXPECT_EQ(dlg.windowTitle(), "Morvane");
    EXPECT_TRUE(dlg.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dlg.size(), QSize(800, 600));
    const QSize screen = platform::FullScreenSize();
    EXPECT_EQ(dlg.pos(), QPoint((screen.width() - 800) / 2, (screen.height() - 600) / 2));
    EXPECT_FALSE(dlg.mask().contains(QPoint(0, 0))) << "rounded corners";
    EXPECT_TRUE(dlg.mask().contains(QPoint(400, 0)));
    EXPECT_TRUE(dlg.mask().contains(QPoint(799, 300)));

    ASSERT_NE(dlg.LoginDlg(), nullptr);
    EXPECT_TRUE(dlg.LoginDlg()->isVisible());
    ASSERT_EQ(dlg.TabCtrl()->Tabs().size(), 1u);
    EXPECT_EQ(dlg.TabCtrl()->Tabs()[0]->Caption(), "游戏大厅");
    EXPECT_EQ(dlg.TabCtrl()->Tabs()[0]->Key(), 1);
    EXPECT_EQ(dlg.TabCtrl()->objectName(), "100");
    EXPECT_EQ(dlg.TabCtrl()->geometry(), QRect(205, 80, 590, 25));
    EXPECT_EQ(dlg.HallTree()->geometry(), QRect(5, 80, 195, 515));
    EXPECT_EQ(dlg.RoomArea(), QRect(205, 105, 590, 490));
    EXPECT_EQ(dlg.HtmlCtrl().geometry(), dlg.RoomArea());
    EXPECT_EQ(dlg.Control(1006), &dlg.HtmlCtrl());
    ASSERT_NE(qobject_cast<CMyPicBT*>(dlg.Control(1031)), nullptr);
    EXPECT_EQ(dlg.Control(1031)->size(), QSize(20, 20)) << "sized to its picture";
    EXPECT_EQ(dlg.Control(1031)->geometry().right() + 1, 800 - 15);
    EXPECT_EQ(dlg.Control(1032)->geometry().right() + 1, 800 - 40);
    EXPECT_EQ(dlg.CurrentTabKey(), 1);
}

TEST_F(MainDialogTest, OnAScreen800WideTheDoubleClickKeepsTheSmallLayout)
{
    ASSERT_LE(platform::FullScreenSize().width(), 800);
    dlg.show();
    QTest::mouseDClick(&dlg, Qt::LeftButton, {}, QPoint(400, 40));
    EXPECT_TRUE(dlg.IsLargeLayout()) << "the flag follows the toggle";
    EXPECT_EQ(dlg.size(), QSize(800, 600));
    QTest::mouseDClick(&dlg, Qt::LeftButton, {}, QPoint(400, 40));
    EXPECT_FALSE(dlg.IsLargeLayout());
    EXPECT_EQ(dlg.size(), QSize(800, 600));
}

TEST_F(MainDialogTest, EnterAndEscLeaveTheDialogOpen)
{
    dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Return);
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_FALSE(dlg.HasQuit());
}

TEST_F(MainDialogTest, RoomsTakeFreedKeysFirstThenTheNextNumber)
{
    dlg.OpenRoom(Room(1, 1, "一号"));
    dlg.OpenRoom(Room(1, 2, "二号"));
    dlg.OpenRoom(Room(1, 3, "三号"));
    EXPECT_EQ(Keys(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(Window(3)->ControlId(), 123);
    EXPECT_EQ(Window(3)->parentWidget(), &dlg);
    EXPECT_EQ(Window(3)->geometry(), dlg.RoomArea());
    EXPECT_EQ(dlg.CurrentTabKey(), 4);
    EXPECT_EQ(dlg.TabCtrl()->ActiveTab()->Key(), 4);
    EXPECT_EQ(dlg.TabCtrl()->Tabs()[2]->Caption(), "二号");

    // Closing by the tab: a double click on the tab of key 3.
    QPointer<CHallClient> closed = Window(3);
    QTest::mouseDClick(dlg.TabCtrl()->Tabs()[2], Qt::LeftButton);
    EXPECT_TRUE(closed.isNull()) << "the room window is destroyed with its tab";
    EXPECT_EQ(Keys(), (std::vector<int>{2, 4}));
    EXPECT_EQ(dlg.FreeTabKeys(), (std::deque<uint8_t>{3}));

    dlg.OpenRoom(Room(2, 1, "四号"));
    EXPECT_EQ(Keys(), (std::vector<int>{2, 4, 3}));
    EXPECT_EQ(Window(3)->ControlId(), 123);
    dlg.OpenRoom(Room(2, 2, "五号"));
    EXPECT_EQ(Keys(), (std::vector<int>{2, 4, 3, 5})) << "no free key: the number of open rooms + 2";
    EXPECT_TRUE(dlg.FreeTabKeys().empty());
}

TEST_F(MainDialogTest, OpeningAnOpenRoomActivatesItsTab)
{
    dlg.OpenRoom(Room(1, 1, "一号"));
    dlg.OpenRoom(Room(1, 2, "二号"));
    CHallClient* first = Window(2);
    CHallClient* second = Window(3);
    EXPECT_FALSE(first->isEnabled());
    EXPECT_FALSE(first->updatesEnabled()) << "an inactive room does not repaint";
    EXPECT_FALSE(dlg.HtmlCtrl().isVisible());

    dlg.OpenRoom(Room(1, 1, "一号"));
    EXPECT_EQ(dlg.OpenRooms().size(), 2u);
    EXPECT_EQ(dlg.CurrentTabKey(), 2);
    EXPECT_EQ(dlg.TabCtrl()->ActiveTab()->Key(), 2);
    EXPECT_TRUE(first->isEnabled());
    EXPECT_TRUE(first->updatesEnabled());
    EXPECT_FALSE(second->isEnabled());
    EXPECT_FALSE(second->updatesEnabled());
    EXPECT_FALSE(second->isHidden()) << "room windows are never hidden";

    boxes.Clear();
    dlg.OpenRoom(Room(1, 1, "一号"));
    EXPECT_TRUE(boxes.Texts().isEmpty()) << "the active room is left as it is";
    EXPECT_EQ(dlg.OpenRooms().size(), 2u);
}

TEST_F(MainDialogTest, TheLobbyTabShowsTheLobbyPageAgain)
{
    dlg.show();
    dlg.OpenRoom(Room(1, 1, "一号"));
    QTest::mouseClick(dlg.TabCtrl()->Tabs()[0], Qt::LeftButton);
    EXPECT_EQ(dlg.CurrentTabKey(), 1);
    EXPECT_TRUE(dlg.HtmlCtrl().isVisible());
    EXPECT_TRUE(dlg.HtmlCtrl().isEnabled());
    EXPECT_FALSE(Window(2)->isEnabled());
    EXPECT_FALSE(dlg.OpenRooms()[0].active);
}

TEST_F(MainDialogTest, OnlyARoomItemOfTheTreeOpensARoom)
{
    dlg.FillHallTree(OneRoomList());

    QTreeWidgetItem* group = dlg.HallTree()->topLevelItem(0);
    for (QTreeWidgetItem* item : {group, group->child(0)}) {
        dlg.HallTree()->setCurrentItem(item);
        dlg.OnDblclkTree();
    }
    EXPECT_TRUE(dlg.OpenRooms().empty());
    dlg.HallTree()->setCurrentItem(group->child(0)->child(0));
    dlg.OnDblclkTree();
    ASSERT_EQ(dlg.OpenRooms().size(), 1u);
    EXPECT_EQ(dlg.OpenRooms()[0].window->RoomId(), 9);
}

TEST_F(MainDialogTest, AFullRoomLosesItsTabAndGoesOnceItsHandlerIsDone)
{
    dlg.OpenRoom(Room(1, 1, "一号"));
    QPointer<CHallClient> room = Window(2);
    dlg.CloseRoom(room);
    EXPECT_TRUE(dlg.OpenRooms().empty());
    EXPECT_EQ(dlg.FreeTabKeys(), (std::deque<uint8_t>{2}));
    EXPECT_EQ(dlg.TabCtrl()->Tabs().size(), 1u);
    EXPECT_EQ(dlg.CurrentTabKey(), 1) << "the tab before it became active";
    EXPECT_FALSE(room.isNull()) << "still inside its own handler";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(room.isNull());
}

TEST_F(MainDialogTest, ARecordChangeReachesEveryOpenRoom)
{
    dlg.OpenRoom(Room(1, 1, "一号"));
    dlg.OpenRoom(Room(1, 2, "二号"));
    net::PlayerRecord me;
    me.name = "tavik";
    me.points = 42;
    dlg.MyInfoChanged(me);
    EXPECT_EQ(Window(2)->MyInfo(), me);
    EXPECT_EQ(Window(3)->MyInfo(), me);
    dlg.SetMyPoints(50);
    EXPECT_EQ(dlg.Session().MyInfo().points, 50);
}

TEST_F(MainDialogTest, ExitRefusesWhileAGameRunsThenClearsUpAndQuits100MsLater)
{
    dlg.show();
    dlg.OpenRoom(Room(1, 1, "一号"));
    dlg.OpenRoom(Room(1, 2, "二号"));
    dlg.SetGameFlag(Window(2), true);
    dlg.OnExit();
    EXPECT_EQ(boxes.Texts(), QStringList{"请先关闭游戏客户端"});
    EXPECT_EQ(dlg.OpenRooms().size(), 2u);
    EXPECT_TRUE(dlg.isVisible());

    dlg.SetGameFlag(Window(2), false);
    dlg.FillHallTree(OneRoomList());
    dlg.HallTree()->setCurrentItem(dlg.HallTree()->topLevelItem(0)->child(0)->child(0));
    QPointer<CHallClient> first = Window(2);
    QPointer<CHallClient> second = Window(3);
    QPointer<CLoginDlg> login = dlg.LoginDlg();
    dlg.OnExit();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
    EXPECT_TRUE(login.isNull());
    EXPECT_EQ(dlg.TipDlg(), nullptr);
    EXPECT_EQ(dlg.TabCtrl(), nullptr);

    dlg.OnDblclkTree();
    EXPECT_TRUE(dlg.OpenRooms().empty()) << "nothing opens after the clean-up";

    clock.Advance(99);
    QCoreApplication::processEvents();
    EXPECT_FALSE(dlg.HasQuit());
    clock.Advance(1);
    EXPECT_FALSE(clock.HasTimer(&dlg, CClientDlg::kExitTimer));
    QCoreApplication::processEvents();
    EXPECT_TRUE(dlg.HasQuit());
}

TEST_F(MainDialogTest, TheAboutCommandRunsTheAboutBox)
{
    platform::ScriptedModalRunner runner;
    dlg.OnSysCommand(0xF020);
    EXPECT_TRUE(runner.Ran().empty()) << "other commands are the window system's";
    dlg.OnSysCommand(CClientDlg::kAboutCommand);
    EXPECT_EQ(runner.Ran(), std::vector<QString>{"CAboutDlg"});
}

TEST_F(MainDialogTest, CancellingTheLoginEndsTheProgram)
{
    dlg.LoginDlg()->reject();
    EXPECT_FALSE(dlg.HasQuit()) << "posted, not at once";
    QCoreApplication::processEvents();  // WM_USER+2, which posts the quit
    QCoreApplication::processEvents();
    EXPECT_TRUE(dlg.HasQuit());
}

TEST_F(MainDialogTest, RoomsShareTheWaitNotice)
{
    dlg.OpenRoom(Room(1, 1, "一号"));
    EXPECT_TRUE(dlg.TipDlg()->isVisible());
    EXPECT_EQ(dlg.TipDlg()->Text(), "正在登陆房间，请稍候^_^");
}

} // namespace
