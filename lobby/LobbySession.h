#pragma once
// The main dialog's conversation with the lobby server: connect, version, login,
// own player record, hall list, record updates, logout. A chain of request and
// reply with no state beyond the two flags: each reply is acted on when it comes.
#include "lobby/LoginRecord.h"
#include "net/Envelope.h"
#include "net/MsgRecord.h"
#include "net/PlayerRecord.h"

#include <QObject>
#include <QString>

#include <memory>
#include <span>
#include <string>

class CLobbySessionHost;
class CMainClientSocket;
class QWidget;

class CLobbySession : public QObject {
    Q_OBJECT
public:
    // `window` parents the message boxes; both outlive the session.
    CLobbySession(CLobbySessionHost* host, QWidget* window);
    ~CLobbySession() override;

    // The own address sent with the login, dotted decimal (computed at start-up).
    void SetLocalAddress(const QString& address) { localAddress_ = address.toStdString(); }

    // One login attempt (WM_USER+1).
    void OnLogin(const LoginRecord& record);
    // One lobby message (WM_USER+11).
    void OnReceiveMsg(const net::MsgRecord& record);
    // Request 26 (WM_USER+10).
    void OnChallengeLeft();
    // The exit step: logout when logged in, close when connected.
    void EndSession();

    void SetMyPoints(int32_t points) { myInfo_.points = points; }
    const net::PlayerRecord& MyInfo() const { return myInfo_; }
    bool IsConnected() const { return connected_; }
    bool IsLoggedIn() const { return loggedIn_; }

private:
    friend class CMainClientSocket;
    // The socket's receive notification: splits the bytes into records, posted to
    // ourselves one by one.
    void OnReceive();

    void Send(uint8_t id, std::span<const uint8_t> data = {}, net::EnvelopeKind kind = net::EnvelopeKind::Lobby);
    bool ConnectIfNeeded();
    void OnVersion(const net::MsgRecord& record);
    void OnLoginRefused(const net::MsgRecord& record);
    void OnHallList(const net::MsgRecord& record);
    void Quit(const QString& text);

    CLobbySessionHost* host_;
    QWidget* window_;
    std::unique_ptr<CMainClientSocket> socket_;
    bool connected_ = false;
    bool loggedIn_ = false;
    // GBK texts of the last login attempt.
    std::string name_;
    std::string password_;
    std::string localAddress_;
    std::string serverAddress_;
    uint32_t serverPort_ = 0;
    net::PlayerRecord myInfo_;
};
