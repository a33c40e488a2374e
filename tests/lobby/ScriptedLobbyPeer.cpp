#include "ScriptedLobbyPeer.h"

#include "net/ByteReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
constexpr int kPatienceMs = 5000;
}

QByteArray Frame(const net::MsgRecord& record)
{
    QByteArray bytes(4, '\0');
    const uint32_t length = static_cast<uint32_t>(record.Size());
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    bytes.append(reinterpret_cast<const char*>(record.Bytes().data()), static_cast<qsizetype>(record.Size()));
    return bytes;
}

ScriptedLobbyPeer::ScriptedLobbyPeer()
{
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* next = server_.nextPendingConnection()) {
            ++connections_;
            socket_ = next;
            pending_.clear();
        }
    });
}

bool ScriptedLobbyPeer::WaitFor(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > kPatienceMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void ScriptedLobbyPeer::Pump()
{
    if (!socket_)
        return;
    pending_ += socket_->readAll();
    while (pending_.size() >= 12) {
        const net::ByteReader r(std::span(reinterpret_cast<const uint8_t*>(pending_.constData()),
                                          static_cast<size_t>(pending_.size())));
        const uint32_t total = r.U32(0);
        if (total < 12 || static_cast<uint32_t>(pending_.size()) < total)
            break;
        LobbyEnvelope envelope{total, r.U32(4), r.U32(8), {}};
        envelope.record.assign(pending_.constData() + 12, pending_.constData() + total);
        envelopes_.push_back(std::move(envelope));
        pending_.remove(0, static_cast<qsizetype>(total));
    }
}

bool ScriptedLobbyPeer::WaitForEnvelopes(size_t count)
{
    return WaitFor([&] {
        Pump();
        return envelopes_.size() >= count;
    });
}

const std::vector<LobbyEnvelope>& ScriptedLobbyPeer::Envelopes()
{
    Pump();
    return envelopes_;
}

std::vector<uint8_t> ScriptedLobbyPeer::Ids()
{
    std::vector<uint8_t> ids;
    for (const LobbyEnvelope& e : Envelopes())
        ids.push_back(e.Id());
    return ids;
}

bool ScriptedLobbyPeer::WaitForClientToGo()
{
    return WaitFor([&] {
        Pump();
        return !Connected();
    });
}

void ScriptedLobbyPeer::Send(const net::MsgRecord& record)
{
    SendRaw(Frame(record));
}

void ScriptedLobbyPeer::SendRaw(const QByteArray& bytes)
{
    if (!socket_)
        return;
    socket_->write(bytes);
    socket_->flush();
}

void ScriptedLobbyPeer::Close()
{
    if (socket_)
        socket_->disconnectFromHost();
}
