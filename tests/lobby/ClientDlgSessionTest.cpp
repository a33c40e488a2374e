// The main dialog's side of the lobby session, with a lobby server scripted over
// loopback: the login dialog, the wait notice, the tree and the end of the program.
#include "MainDialogFixture.h"
#include "ScriptedLobbyPeer.h"

#include "lobby/HallTree.h"
#include "lobby/LoginDlg.h"
#include "lobby/TipDlg.h"
#include "net/HallList.h"
#include "net/MsgIds.h"

#include <QLineEdit>

namespace {

using namespace net::LobbyMsg;

class MainDialogSessionTest : public MainDialogTest {
protected:
    // Logs in from the login dialog and waits for the version request.
    void StartLogin()
    {
        dlg.LoginDlg()->PortEdit()->setText(QString::number(peer.Port()));
        dlg.LoginDlg()->accept();
        ASSERT_TRUE(peer.WaitForEnvelopes(1));
    }

    ScriptedLobbyPeer peer;
};

TEST_F(MainDialogSessionTest, ARefusedLoginBringsTheLoginDialogBack)
{
    StartLogin();
    EXPECT_FALSE(dlg.LoginDlg()->isVisible());
    EXPECT_TRUE(dlg.TipDlg()->isVisible());
    EXPECT_EQ(dlg.TipDlg()->Text(), "正在登验证用户名和密码,请稍等^_^");
    peer.Send(net::MsgRecord::Build(LoginRefused, std::vector<uint8_t>{6}));
    ASSERT_TRUE(ScriptedLobbyPeer::WaitFor([&] { return dlg.LoginDlg()->isVisible(); }));
    EXPECT_FALSE(dlg.TipDlg()->isVisible());
    EXPECT_EQ(boxes.Texts(), QStringList{"验证失败：用户已经在线"});
    EXPECT_FALSE(dlg.HasQuit());
}

TEST_F(MainDialogSessionTest, TheHallListFillsTheTreeAndHidesTheNotice)
{
    StartLogin();
    net::HallEntry hall;
    hall.hall.name = "hall";
    hall.hall.group = "group";
    hall.hall.groundMode = 2;
    hall.hall.roomCount = 1;
    net::RoomRecord room;
    room.name = "room";
    hall.rooms.push_back(room);
    peer.Send(net::MsgRecord::Build(HallList, net::Encoded(net::HallList{{hall}})));
    ASSERT_TRUE(ScriptedLobbyPeer::WaitFor([&] { return dlg.HallTree()->topLevelItemCount() == 1; }));
    EXPECT_FALSE(dlg.TipDlg()->isVisible());
    EXPECT_EQ(dlg.HallTree()->topLevelItem(0)->child(0)->child(0)->text(0), "room");
}

TEST_F(MainDialogSessionTest, AClientTooOldEndsTheProgram)
{
    StartLogin();
    std::vector<uint8_t> version(4);
    net::ByteWriter(version).U32(0, 1000050832);
    peer.Send(net::MsgRecord::Build(Version, version));
    ASSERT_TRUE(ScriptedLobbyPeer::WaitFor([&] { return dlg.HasQuit(); }));
    EXPECT_EQ(boxes.Texts(), QStringList{"系统版本过低,请下载新版本[1000050832]"});
}

} // namespace
