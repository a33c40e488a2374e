#pragma once
// Sits between the client and the lobby server on loopback, passes every byte both
// ways and keeps the envelopes the client sends, so a test sees what went out.
#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdint>
#include <vector>

class LobbyProxy {
public:
    explicit LobbyProxy(uint16_t serverPort);

    uint16_t Port() const { return listener_.serverPort(); }
    // Ids of the records the client has sent so far, in order.
    const std::vector<uint8_t>& SentIds() const { return ids_; }
    // Envelope kinds, in the same order.
    const std::vector<uint32_t>& SentKinds() const { return kinds_; }
    bool ClientGone() const { return !client_ || client_->state() != QAbstractSocket::ConnectedState; }

private:
    void FromClient();

    QTcpServer listener_;
    uint16_t serverPort_;
    QPointer<QTcpSocket> client_;
    QPointer<QTcpSocket> server_;
    QByteArray pending_;
    std::vector<uint8_t> ids_;
    std::vector<uint32_t> kinds_;
};
