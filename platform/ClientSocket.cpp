#include "platform/ClientSocket.h"

#include <QTcpSocket>

namespace platform {
namespace {
constexpr int kConnectTimeoutMs = 10000;
constexpr int kSendTimeoutMs = 30000;
}

ClientSocket::ClientSocket()
    : socket_(nullptr)
{
}

ClientSocket::~ClientSocket()
{
    Close();
}

bool ClientSocket::Create()
{
    if (socket_)
        return true;
    socket_ = new QTcpSocket(this);
    connect(socket_, &QTcpSocket::readyRead, this, [this] { OnReceive(); });
    connect(socket_, &QTcpSocket::disconnected, this, [this] {
        // Only the peer's close is news; our own Close() disconnects this first.
        OnClose();
    });
    return true;
}

bool ClientSocket::Connect(const QString& address, uint16_t port)
{
    if (!socket_)
        return false;
    socket_->abort();
    socket_->connectToHost(address, port);
    return socket_->waitForConnected(kConnectTimeoutMs);
}

int ClientSocket::Send(const void* data, size_t size)
{
    if (!IsConnected())
        return -1;
    const char* bytes = static_cast<const char*>(data);
    qint64 written = 0;
    while (written < static_cast<qint64>(size)) {
        const qint64 n = socket_->write(bytes + written, static_cast<qint64>(size) - written);
        if (n < 0)
            return -1;
        written += n;
    }
    while (socket_->bytesToWrite() > 0)
        if (!socket_->waitForBytesWritten(kSendTimeoutMs))
            return -1;
    return static_cast<int>(written);
}

int ClientSocket::Receive(void* buffer, size_t capacity)
{
    if (!socket_)
        return -1;
    const qint64 n = socket_->read(static_cast<char*>(buffer), static_cast<qint64>(capacity));
    return n < 0 ? -1 : static_cast<int>(n);
}

void ClientSocket::Close()
{
    if (!socket_)
        return;
    socket_->disconnect(this);
    socket_->abort();
    socket_->deleteLater();
    socket_ = nullptr;
}

bool ClientSocket::IsConnected() const
{
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

} // namespace platform
