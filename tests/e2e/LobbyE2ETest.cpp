// The lobby shell against the real server: log in as tavik from the login dialog,
// see the server's halls in the tree, open a room from it, and say goodbye at exit.
#include "LobbyProxy.h"
#include "RoomServerRun.h"
#include "lobby/ClientDlg.h"
#include "lobby/HallTree.h"
#include "lobby/LoginDlg.h"
#include "lobby/TipDlg.h"
#include "net/MsgIds.h"
#include "platform/Text.h"
#include "platform/testing/ManualClock.h"
#include "platform/testing/RecordingMessageBoxes.h"
#include "roomclient/HallClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <functional>

namespace {

bool WaitFor(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 10000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

QString Text(const auto& field)
{
    return platform::FromGbk(field.Bytes().data(), field.Bytes().size());
}

TEST(LobbyE2E, TavikLogsInSeesTheServersHallsOpensARoomAndLogsOutAtExit)
{
    // A new database holds tavik with his default password; the watcher is ours.
    RoomServerRun server({"wren"});
    ASSERT_TRUE(server.Started()) << server.Failure().toStdString();
    // What the server lists, as another player sees it.
    const LobbySession watcher(server.LobbyPort(), "wren");
    ASSERT_TRUE(watcher.LoggedIn()) << watcher.Failure().toStdString();
    ASSERT_FALSE(watcher.Halls().halls.empty());
    LobbyProxy proxy(server.LobbyPort());

    platform::ManualClock clock;
    platform::RecordingMessageBoxes boxes;
    CClientDlg dlg;
    dlg.show();
    CLoginDlg& login = *dlg.LoginDlg();
    // The dialog's defaults, but for the port.
    login.PortEdit()->setText(QString::number(proxy.Port()));
    login.accept();

    ASSERT_TRUE(WaitFor([&] { return dlg.HallTree()->topLevelItemCount() > 0; })) << boxes.Texts().join('\n').toStdString();
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join('\n').toStdString();
    EXPECT_TRUE(dlg.Session().IsLoggedIn());
    EXPECT_EQ(dlg.Session().MyInfo().name.Str(), "tavik");
    EXPECT_FALSE(dlg.TipDlg()->isVisible()) << "the notice goes once the halls are in";

    // Every hall of the list sits under the group of its ground mode, with its rooms.
    int halls = 0;
    for (const net::HallEntry& entry : watcher.Halls().halls) {
        SCOPED_TRACE(Text(entry.hall.name).toStdString());
        const QList<QTreeWidgetItem*> found = dlg.HallTree()->findItems(Text(entry.hall.name), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1);
        const QTreeWidgetItem* hall = found[0];
        ASSERT_NE(hall->parent(), nullptr);
        ASSERT_EQ(hall->childCount(), static_cast<int>(entry.rooms.size()));
        for (int i = 0; i < hall->childCount(); ++i) {
            const net::RoomEntry* room = dlg.HallTree()->RoomEntryOf(hall->child(i));
            ASSERT_NE(room, nullptr);
            EXPECT_EQ(room->hallNumber, entry.hall.hallNumber);
            EXPECT_EQ(room->roomNumber, entry.rooms[static_cast<size_t>(i)].roomNumber);
            EXPECT_EQ(room->port, entry.hall.port);
        }
        ++halls;
    }
    int treeHalls = 0;
    for (int g = 0; g < dlg.HallTree()->topLevelItemCount(); ++g)
        treeHalls += dlg.HallTree()->topLevelItem(g)->childCount();
    EXPECT_EQ(treeHalls, halls);

    // A double click on a room item opens the room in a new tab; 500 ms later it logs in.
    QTreeWidgetItem* firstHall = dlg.HallTree()->topLevelItem(0)->child(0);
    ASSERT_GT(firstHall->childCount(), 0);
    dlg.HallTree()->setCurrentItem(firstHall->child(0));
    dlg.OnDblclkTree();
    ASSERT_EQ(dlg.OpenRooms().size(), 1u);
    const CHallClient* room = dlg.OpenRooms()[0].window.get();
    EXPECT_EQ(dlg.CurrentTabKey(), 2);
    clock.Advance(CHallClient::kTimerPeriod);
    EXPECT_TRUE(WaitFor([&] { return room->IsLoggedIn(); })) << boxes.Texts().join('\n').toStdString();

    // What a challenge desk client posts to the main window when a challenge ends.
    QMetaObject::invokeMethod(room->window(), "OnChallengeLeft", Qt::QueuedConnection);
    ASSERT_TRUE(WaitFor([&] { return proxy.SentIds().size() == 5; }));

    dlg.OnExit();
    ASSERT_TRUE(WaitFor([&] { return proxy.ClientGone(); }));
    using namespace net::LobbyMsg;
    EXPECT_EQ(proxy.SentIds(), (std::vector<uint8_t>{VersionRequest, LoginRequest, PlayerRecordRequest,
                                                     HallListRequest, ChallengeLeft, Logout}));
    EXPECT_EQ(proxy.SentKinds(), (std::vector<uint32_t>{1, 1, 1, 2, 1, 1}));
    clock.Advance(CClientDlg::kExitDelay);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dlg.HasQuit());
}

} // namespace
