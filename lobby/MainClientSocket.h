#pragma once
// The lobby connection: received bytes go to the lobby session that owns the socket.
// The peer's close changes nothing, so the close notification is not even asked for.
#include "platform/ClientSocket.h"

class CLobbySession;

class CMainClientSocket : public platform::ClientSocket {
    Q_OBJECT
public:
    explicit CMainClientSocket(CLobbySession* owner) : owner_(owner) {}

protected:
    void OnReceive() override;

private:
    CLobbySession* owner_;
};
