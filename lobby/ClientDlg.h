#pragma once
// The main dialog: the captionless, skinned lobby window with the hall tree, the
// room tab bar and the room area showing either the lobby page or one open room.
// It owns the lobby session, the login dialog, the wait notice and the room windows,
// and it opens, switches and closes rooms.
#include "lobby/HtmlCtrl.h"
#include "lobby/LobbySession.h"
#include "lobby/LobbySessionHost.h"
#include "roomclient/HallClientOwner.h"

#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <QPoint>

#include <deque>
#include <map>
#include <memory>
#include <vector>

class CHallClient;
class CHallTree;
class CLoginDlg;
class CMyTabCtrl;
class CTipDlg;
class QAbstractButton;

namespace net {
struct RoomEntry;
}

class CClientDlg : public QDialog, public CHallClientOwner, public CLobbySessionHost {
    Q_OBJECT
public:
    static constexpr int kTabBarId = 100;
    static constexpr int kRoomIdBase = 120;  // a room window's control id is its tab key + 120
    static constexpr int kExitTimer = 1;
    static constexpr uint32_t kExitDelay = 100;

    struct OpenRoomEntry {
        bool active = false;
        std::unique_ptr<CHallClient> window;
        uint8_t key = 0;
    };

    CClientDlg();
    ~CClientDlg() override;

    // Computes the own address, lays the window out, creates its parts and shows
    // the login dialog (WM_INITDIALOG).
    void OnInitDialog();

    // Enter and Esc never close the main dialog.
    void accept() override {}
    void reject() override {}

    static constexpr int kAboutCommand = 0x10;

    // WM_USER+10: the challenge desk client posts it to the main window, by name:
    // QMetaObject::invokeMethod(window(), "OnChallengeLeft", Qt::QueuedConnection).
    Q_INVOKABLE void OnChallengeLeft() { session_.OnChallengeLeft(); }
    // The system menu's commands; here the window body's context menu holds them.
    void OnSysCommand(int command);
    // The exit button (1031).
    void OnExit();
    // The double click on the frame.
    void ToggleLayout();
    // A double click on the hall tree.
    void OnDblclkTree();
    void OpenRoom(const net::RoomEntry& entry);

    // CHallClientOwner and CLobbySessionHost.
    void ShowTip(const QString& text) override;
    void HideTip() override;
    void SetMyPoints(int32_t points) override { session_.SetMyPoints(points); }
    void SetGameFlag(CHallClient* room, bool playing) override;
    void CloseRoom(CHallClient* room) override;
    void ShowLoginDlg() override;
    void FillHallTree(const net::HallList& halls) override;
    void MyInfoChanged(const net::PlayerRecord& record) override;
    void PostQuit() override;

    CLobbySession& Session() { return session_; }
    CLoginDlg* LoginDlg() const { return login_; }
    CTipDlg* TipDlg() const { return tip_; }
    CMyTabCtrl* TabCtrl() const { return tab_; }
    CHallTree* HallTree() const { return tree_; }
    CHtmlCtrl& HtmlCtrl() { return html_; }
    QWidget* Control(int id) const;
    const std::vector<OpenRoomEntry>& OpenRooms() const { return rooms_; }
    const std::deque<uint8_t>& FreeTabKeys() const { return freeKeys_; }
    uint8_t CurrentTabKey() const { return currentKey_; }
    bool IsLargeLayout() const { return large_; }
    const QRect& RoomArea() const { return roomArea_; }
    bool HasQuit() const { return quit_; }

signals:
    // WM_QUIT: the dialog's loop ends.
    void Quit();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ApplyLayout(bool large);
    void CreateImageList();
    uint8_t CreateRoom(const net::RoomEntry& entry);
    void SwitchTo(uint8_t key);
    void OnShowTab(int key);
    void OnHideTab(int key);
    void OnTabClosed(int key);
    OpenRoomEntry* Find(int key);
    OpenRoomEntry* Find(const CHallClient* room);
    void EndDialog();

    QIcon icon_;
    std::map<int, QWidget*> controls_;
    CLobbySession session_;
    CLoginDlg* login_ = nullptr;
    CTipDlg* tip_ = nullptr;
    CHtmlCtrl html_;
    CMyTabCtrl* tab_ = nullptr;
    CHallTree* tree_ = nullptr;
    QAbstractButton* exit_ = nullptr;
    QAbstractButton* minimise_ = nullptr;
    QPixmap background_;
    bool large_ = false;
    QRect roomArea_;
    std::vector<OpenRoomEntry> rooms_;
    std::deque<uint8_t> freeKeys_;
    uint8_t currentKey_ = 1;
    // The room asking to be closed is inside its own handler: it goes once that returns.
    bool closingFromRoom_ = false;
    bool quit_ = false;
    QPoint dragOffset_;
};
