#pragma once
// The connection of one room window to its room server: received bytes and the
// server's close go to the room window that owns the socket.
#include "platform/ClientSocket.h"

class CHallClient;

class CRoomSocket : public platform::ClientSocket {
    Q_OBJECT
public:
    explicit CRoomSocket(CHallClient* owner) : owner_(owner) {}

protected:
    void OnReceive() override;
    void OnClose() override;

private:
    CHallClient* owner_;
};
