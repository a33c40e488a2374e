#pragma once
// The blocking TCP client socket of the window framework (CSocket), over QTcpSocket.
// Connect and Send wait for completion on the calling (UI) thread; received bytes
// and the peer's close arrive as OnReceive / OnClose on the UI thread.
#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>

class QTcpSocket;

namespace platform {

class ClientSocket : public QObject {
    Q_OBJECT
public:
    ClientSocket();
    ~ClientSocket() override;

    // Prepares the socket (port 0, stream); false when it cannot be made.
    bool Create();
    // Blocking connect to a dotted address or host name; false on failure.
    bool Connect(const QString& address, uint16_t port);
    // Blocking send of all `size` bytes; the number sent, or -1 on failure.
    int Send(const void* data, size_t size);
    // Copies at most `capacity` bytes already received; the number copied, 0 when
    // nothing is waiting, -1 on error.
    int Receive(void* buffer, size_t capacity);
    void Close();
    bool IsConnected() const;

protected:
    virtual void OnReceive() {}
    virtual void OnClose() {}

private:
    QTcpSocket* socket_;
};

} // namespace platform
