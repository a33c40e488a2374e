#include "platform/ClientSocket.h"

#include <QMetaObject>
#include <QTcpSocket>

namespace platform {
namespace {
constexpr int kConnectTimeoutMs = 10000;
constexpr int kSendTimeoutMs = 30000;
}

ClientSocket::ClientSocket() = default;

ClientSocket::~ClientSocket()
{
    Close();
}

bool ClientSocket::Create()
{
    if (socket_)
        return true;
    socket_ = new QTcpSocket(this);
    // Handlers never run inside QTcpSocket's own signals (or inside the waits of
    // Connect and Send, which emit them): they come later from the event loop, as
    // window messages do, so a handler may even destroy the socket's owner.
    connect(socket_, &QTcpSocket::readyRead, this, [this] { Queue(kReceive); });
    connect(socket_, &QTcpSocket::disconnected, this, [this] { Queue(kClose); });
    return true;
}

bool ClientSocket::Connect(const QString& address, uint16_t port)
{
    if (!socket_)
        return false;
    socket_->abort();
    ++generation_;
    receiveQueued_ = false;
    wasConnected_ = false;
    socket_->connectToHost(address, port);
    wasConnected_ = socket_->waitForConnected(kConnectTimeoutMs);
    if (!wasConnected_)
        socket_->abort();
    return wasConnected_;
}

int ClientSocket::Send(const void* data, size_t size)
{
    if (!IsConnected()) {
        lastError_ = wasConnected_ ? kShutdown : kNotConnected;
        return -1;
    }
    if (socket_->write(static_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        lastError_ = kShutdown;
        return -1;
    }
    bool sent = true;
    while (sent && socket_->bytesToWrite() > 0)
        sent = socket_->waitForBytesWritten(kSendTimeoutMs);
    if (!sent) {
        lastError_ = IsConnected() ? kNotConnected : kShutdown;
        return -1;
    }
    return static_cast<int>(size);
}

int ClientSocket::Receive(void* buffer, size_t capacity)
{
    if (!socket_ || !socket_->isOpen()) {
        lastError_ = wasConnected_ ? kShutdown : kNotConnected;
        return -1;
    }
    const qint64 n = socket_->read(static_cast<char*>(buffer), static_cast<qint64>(capacity));
    if (n < 0) {
        lastError_ = kShutdown;
        return -1;
    }
    // Whatever did not fit is announced again, as a receive that leaves bytes
    // behind re-arms the read notification.
    if (socket_->bytesAvailable() > 0)
        Queue(kReceive);
    return static_cast<int>(n);
}

void ClientSocket::Close()
{
    if (!socket_)
        return;
    socket_->disconnect(this);
    socket_->abort();
    delete socket_;
    socket_ = nullptr;
    ++generation_;
    receiveQueued_ = false;
}

bool ClientSocket::IsConnected() const
{
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

void ClientSocket::Queue(Event event)
{
    if (event == kReceive) {
        if (receiveQueued_)
            return;
        receiveQueued_ = true;
    }
    QMetaObject::invokeMethod(this, [this, event, generation = generation_] {
        if (generation != generation_)
            return;
        if (event == kReceive)
            receiveQueued_ = false;
        Deliver(event);
    }, Qt::QueuedConnection);
}

void ClientSocket::Deliver(Event event)
{
    if (!socket_)
        return;
    if (event == kClose) {
        OnClose();
        return;
    }
    // Only news when bytes are waiting: a second notice for bytes already read is dropped.
    if (socket_->bytesAvailable() > 0)
        OnReceive();
}

} // namespace platform
