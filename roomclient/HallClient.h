#pragma once
// One open room: a child window of the main dialog that fills its room area, and the
// room's conversation with its room server (login, players, chat, desks, goodbye).
#include "net/MsgRecord.h"
#include "net/PlayerEntry.h"
#include "net/PlayerRecord.h"
#include "net/RoomEntry.h"
#include "net/RoomReassembler.h"

#include <QRect>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class CChatCtrl;
class CGameDeskGround;
class CHallClientOwner;
class CRoomSocket;
class CSplitButton;
class CSWListCtrl;
class CTitleBar;

class CHallClient : public QWidget {
    Q_OBJECT
public:
    // Timers of the room window, each set once and killed by its own first firing.
    enum Timer { kLoginTimer = 1, kPlayerListTimer = 2, kDeskListTimer = 3 };
    static constexpr uint32_t kTimerPeriod = 500;

    // The owner (the main dialog) outlives the room window.
    explicit CHallClient(CHallClientOwner* owner);
    // Says goodbye (room message 14) when logged in, then deletes the children and the socket.
    ~CHallClient() override;

    // Copies the room entry in; done once, before Create.
    void SetRoomEntry(const net::RoomEntry& entry) { entry_ = entry; }
    const net::RoomEntry& RoomEntry() const { return entry_; }
    // The pair by which the main dialog finds an already open room.
    uint16_t HallNumber() const { return entry_.hallNumber; }
    uint16_t RoomId() const { return entry_.roomId; }

    // Becomes a visible child of `parent` at `rect` with the control id (tab key + 120),
    // creates the children, shows the wait notice "正在登陆房间，请稍候^_^" and sets timer 1,
    // which connects and logs in 500 ms later.
    void Create(QWidget* parent, const QRect& rect, int controlId);
    int ControlId() const { return controlId_; }

    // The own player record: at opening and whenever the lobby sends a new one (27).
    void SetMyInfo(const net::PlayerRecord& record);
    const net::PlayerRecord& MyInfo() const { return myInfo_; }
    // From the desk ground: the own points changed, a game of this room runs or ended.
    void SetMyPoints(int32_t points);
    void SetGameFlag(bool playing);
    // Desk bytes from the desk ground, sent on the desk channel.
    void SendDeskMsg(std::span<const uint8_t> deskBytes);

    bool IsLoggedIn() const { return loggedIn_; }
    bool IsExpanded() const { return expanded_; }
    uint16_t MyKey() const { return myKey_; }
    const std::vector<net::PlayerEntry>& Players() const { return players_; }

    CTitleBar* TitleBar() const { return m_pTitleBar; }
    CSplitButton* SplitButton() const { return m_pSplitButton; }
    CGameDeskGround* DeskGround() const { return m_pGameDeskGround; }
    CSWListCtrl* PlayerList() const { return m_pPlayerList; }
    CChatCtrl* ChatCtrl() const { return m_pChatCtrl; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class CRoomSocket;
    // The room socket's notifications.
    void OnReceive();
    void OnSocketClose();

    void CreateChildren();
    void Relayout();
    void OnFold();
    void OnUnfold();

    void SetOnceTimer(int id);
    void OnTimer(int id);
    void ConnectAndLogin();
    void ShowTip(const QString& text);

    void OnReceiveMsg(const net::MsgRecord& record);
    void OnLoginAccepted(const net::MsgRecord& record);
    void OnRoomFull();
    void OnPlayerEntered(const net::MsgRecord& record);
    void OnPlayerLeft(const net::MsgRecord& record);
    void OnPlayerList(const net::MsgRecord& record);
    void AddPlayerRow(const net::PlayerEntry& entry);
    void OnGemeDeskMsg(const net::MsgRecord& record);
    void OnChatRecord(std::span<const uint8_t> chatRecord);
    void SendRoomMsg(uint8_t id, std::span<const uint8_t> data = {});
    void RoomSend(std::span<const uint8_t> envelope);

    CHallClientOwner* owner_;
    int controlId_ = 0;
    net::RoomEntry entry_;
    net::PlayerRecord myInfo_;
    uint16_t myKey_ = 0;
    std::unique_ptr<CRoomSocket> m_pSocket;
    bool connected_ = false;
    bool loggedIn_ = false;
    bool expanded_ = true;
    std::vector<net::PlayerEntry> players_;
    net::RoomReassembler reassembler_;

    CTitleBar* m_pTitleBar = nullptr;
    CSplitButton* m_pSplitButton = nullptr;
    CGameDeskGround* m_pGameDeskGround = nullptr;
    CSWListCtrl* m_pPlayerList = nullptr;
    CChatCtrl* m_pChatCtrl = nullptr;
};
