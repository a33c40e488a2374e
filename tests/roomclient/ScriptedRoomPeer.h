#pragma once
// A room server played by the test over loopback: it accepts one client, splits what
// arrives into envelopes and sends whatever records the test scripts.
#include "net/MsgRecord.h"

#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdint>
#include <functional>
#include <vector>

struct ReceivedEnvelope {
    uint32_t kind = 0;
    uint32_t target = 0;
    uint8_t channel = 0;
    std::vector<uint8_t> bytes;  // the record (room level) or the desk bytes (desk level)

    uint8_t Id() const { return bytes.empty() ? 0 : bytes[channel == 2 ? 2 : 0]; }
};

class ScriptedRoomPeer {
public:
    ScriptedRoomPeer();

    uint16_t Port() const { return server_.serverPort(); }
    // Processes events until `done` holds; false after a few seconds without it.
    static bool WaitFor(const std::function<bool()>& done);

    bool WaitForEnvelopes(size_t count);
    const std::vector<ReceivedEnvelope>& Envelopes() { Pump(); return envelopes_; }
    std::vector<uint8_t> Ids();
    bool Connected() const { return socket_ && socket_->state() == QAbstractSocket::ConnectedState; }
    bool WaitForClientToGo();

    void Send(const net::MsgRecord& record);
    void SendRaw(const QByteArray& bytes);
    void Close();

private:
    void Pump();

    QTcpServer server_;
    QPointer<QTcpSocket> socket_;
    QByteArray pending_;
    std::vector<ReceivedEnvelope> envelopes_;
};
