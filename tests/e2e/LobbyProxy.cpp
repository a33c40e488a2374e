#include "LobbyProxy.h"

#include "net/ByteReader.h"

LobbyProxy::LobbyProxy(uint16_t serverPort) : serverPort_(serverPort)
{
    listener_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&listener_, &QTcpServer::newConnection, [this] {
        client_ = listener_.nextPendingConnection();
        server_ = new QTcpSocket(client_);
        server_->connectToHost(QHostAddress::LocalHost, serverPort_);
        server_->waitForConnected(5000);
        QObject::connect(client_, &QTcpSocket::readyRead, client_, [this] { FromClient(); });
        QObject::connect(server_, &QTcpSocket::readyRead, server_, [this] { client_->write(server_->readAll()); });
        QObject::connect(client_, &QTcpSocket::disconnected, server_, [this] { server_->disconnectFromHost(); });
        QObject::connect(server_, &QTcpSocket::disconnected, client_, [this] { client_->disconnectFromHost(); });
    });
}

void LobbyProxy::FromClient()
{
    const QByteArray bytes = client_->readAll();
    server_->write(bytes);
    pending_ += bytes;
    while (pending_.size() >= 13) {
        const net::ByteReader r(std::span(reinterpret_cast<const uint8_t*>(pending_.constData()),
                                          static_cast<size_t>(pending_.size())));
        const uint32_t total = r.U32(0);
        if (total < 13 || static_cast<uint32_t>(pending_.size()) < total)
            break;
        kinds_.push_back(r.U32(4));
        ids_.push_back(r.U8(12));
        pending_.remove(0, static_cast<qsizetype>(total));
    }
}
