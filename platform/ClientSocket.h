#pragma once
// The blocking TCP client socket of the window framework (CSocket), over QTcpSocket.
// Connect and Send wait for completion on the calling (UI) thread; received bytes
// and the peer's close arrive as OnReceive / OnClose on the UI thread, later, as
// window messages would: never in the middle of a Connect or Send.
#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>

class QTcpSocket;

namespace platform {

class ClientSocket : public QObject {
    Q_OBJECT
public:
    // Winsock numbers of the failures callers name in their messages.
    static constexpr int kNotConnected = 10057;  // WSAENOTCONN: never connected
    static constexpr int kShutdown = 10058;      // WSAESHUTDOWN: the connection has ended

    ClientSocket();
    ~ClientSocket() override;

    // Prepares the socket (port 0, stream); false when it cannot be made.
    bool Create();
    // Blocking connect to a dotted address or host name; false on failure.
    bool Connect(const QString& address, uint16_t port);
    // Blocking send of all `size` bytes; the number sent, or -1 on failure.
    int Send(const void* data, size_t size);
    // Copies at most `capacity` bytes already received; the number copied, 0 when
    // nothing is waiting, -1 on error. Bytes left behind are announced again by a
    // later OnReceive.
    int Receive(void* buffer, size_t capacity);
    // Ends the connection; no notification follows.
    void Close();
    bool IsConnected() const;
    // The failure of the last Send or Receive that returned -1 (0 when none).
    int LastError() const { return lastError_; }

protected:
    virtual void OnReceive() {}
    // The peer closed the connection or it broke; not called for our own Close().
    virtual void OnClose() {}

private:
    enum Event { kReceive, kClose };

    void Queue(Event event);
    void Deliver(Event event);

    QTcpSocket* socket_ = nullptr;
    bool wasConnected_ = false;
    bool receiveQueued_ = false;
    uint64_t generation_ = 0;   // a new connection voids the old one's queued events
    int lastError_ = 0;
};

} // namespace platform
