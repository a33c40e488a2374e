#pragma once
// A lobby server played by the test over loopback: it accepts connections, splits
// what arrives into envelopes and sends whatever frames the test scripts.
#include "net/MsgRecord.h"

#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdint>
#include <functional>
#include <vector>

struct LobbyEnvelope {
    uint32_t total = 0;
    uint32_t kind = 0;
    uint32_t target = 0;
    std::vector<uint8_t> record;

    uint8_t Id() const { return record.empty() ? 0 : record[0]; }
};

class ScriptedLobbyPeer {
public:
    ScriptedLobbyPeer();

    uint16_t Port() const { return server_.serverPort(); }
    // Processes events until `done` holds; false after a few seconds without it.
    static bool WaitFor(const std::function<bool()>& done);

    bool WaitForEnvelopes(size_t count);
    const std::vector<LobbyEnvelope>& Envelopes();
    std::vector<uint8_t> Ids();
    int Connections() const { return connections_; }
    bool Connected() const { return socket_ && socket_->state() == QAbstractSocket::ConnectedState; }
    bool WaitForClientToGo();

    // One frame: the record's length, then the record.
    void Send(const net::MsgRecord& record);
    void SendRaw(const QByteArray& bytes);
    void Close();

private:
    void Pump();

    QTcpServer server_;
    QPointer<QTcpSocket> socket_;
    int connections_ = 0;
    QByteArray pending_;
    std::vector<LobbyEnvelope> envelopes_;
};

// A frame for `record`, as the lobby server sends it.
QByteArray Frame(const net::MsgRecord& record);
