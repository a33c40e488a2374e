#include "ScriptedRoomPeer.h"

#include "net/ByteReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

ScriptedRoomPeer::ScriptedRoomPeer()
{
    server_.listen(QHostAddress::LocalHost, 0);
}

bool ScriptedRoomPeer::WaitFor(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

void ScriptedRoomPeer::Pump()
{
    QCoreApplication::processEvents();
    if (!socket_ && server_.hasPendingConnections())
        socket_ = server_.nextPendingConnection();
    if (!socket_)
        return;
    pending_ += socket_->readAll();
    for (;;) {
        if (pending_.size() < 13)
            return;
        const net::ByteReader head({reinterpret_cast<const uint8_t*>(pending_.constData()),
                                    static_cast<size_t>(pending_.size())});
        const uint32_t total = head.U32(0);
        if (static_cast<uint32_t>(pending_.size()) < total)
            return;
        ReceivedEnvelope e;
        e.kind = head.U32(4);
        e.target = head.U32(8);
        e.channel = head.U8(12);
        e.bytes.assign(pending_.begin() + 13, pending_.begin() + total);
        envelopes_.push_back(std::move(e));
        pending_.remove(0, static_cast<qsizetype>(total));
    }
}

bool ScriptedRoomPeer::WaitForEnvelopes(size_t count)
{
    return WaitFor([&] {
        Pump();
        return envelopes_.size() >= count;
    });
}

std::vector<uint8_t> ScriptedRoomPeer::Ids()
{
    Pump();
    std::vector<uint8_t> ids;
    for (const ReceivedEnvelope& e : envelopes_)
        ids.push_back(e.Id());
    return ids;
}

bool ScriptedRoomPeer::WaitForClientToGo()
{
    return WaitFor([&] {
        Pump();
        return socket_ && socket_->state() != QAbstractSocket::ConnectedState;
    });
}

void ScriptedRoomPeer::Send(const net::MsgRecord& record)
{
    QByteArray frame(4, '\0');
    const uint32_t size = static_cast<uint32_t>(record.Size());
    for (int i = 0; i < 4; ++i)
        frame[i] = static_cast<char>(size >> (8 * i));
    frame.append(reinterpret_cast<const char*>(record.Bytes().data()), static_cast<qsizetype>(record.Size()));
    SendRaw(frame);
}

void ScriptedRoomPeer::SendRaw(const QByteArray& bytes)
{
    Pump();
    if (!socket_)
        return;
    socket_->write(bytes);
    socket_->flush();
}

void ScriptedRoomPeer::Close()
{
    if (socket_)
        socket_->disconnectFromHost();
}
