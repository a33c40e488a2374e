#include "RoomServerRun.h"

#include "net/ByteWriter.h"
#include "net/Envelope.h"
#include "net/LoginRequest.h"
#include "net/MsgIds.h"

#include <QRegularExpression>

namespace {

constexpr int kWaitMs = 10000;

} // namespace

RoomServerRun::RoomServerRun(const QStringList& players)
{
    const QString db = dir_.filePath(QStringLiteral("morvane.db"));
    for (const QString& name : players) {
        if (!RunCommand({"--db", db, "--hash-cost", "test", "user", "add", name, "pw"}))
            return;
    }
    server_.start(QStringLiteral(MORVANE_SERVER_BINARY), {"--db", db, "--hash-cost", "test", "--lobby-port", "0",
                                                          "--room-port-base", "0", "--quiet"});
    QByteArray out;
    while (!out.contains('\n') && server_.waitForReadyRead(kWaitMs))
        out += server_.readAllStandardOutput();
    const QRegularExpression listening(QStringLiteral("listening lobby=(\\d+)"));
    const QRegularExpressionMatch m = listening.match(QString::fromUtf8(out));
    if (!m.hasMatch()) {
        failure_ = QStringLiteral("no listening line: ") + QString::fromUtf8(out + server_.readAllStandardError());
        return;
    }
    lobbyPort_ = static_cast<uint16_t>(m.captured(1).toUInt());
}

RoomServerRun::~RoomServerRun()
{
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(kWaitMs))
            server_.kill();
        server_.waitForFinished(kWaitMs);
    }
}

bool RoomServerRun::RunCommand(const QStringList& args)
{
    QProcess command;
    command.start(QStringLiteral(MORVANE_SERVER_BINARY), args);
    if (!command.waitForFinished(kWaitMs) || command.exitCode() != 0) {
        failure_ = args.join(' ') + QStringLiteral(": ") + QString::fromUtf8(command.readAllStandardError());
        return false;
    }
    return true;
}

LobbySession::LobbySession(uint16_t port, const char* name)
{
    socket_.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket_.waitForConnected(kWaitMs)) {
        failure_ = QStringLiteral("lobby connect failed");
        return;
    }
    Send(net::LobbyMsg::VersionRequest, {});
    if (Expect(net::LobbyMsg::Version).Empty())
        return;
    net::LoginRequest login;
    login.name = name;
    login.password = "pw";
    login.address = "127.0.0.1";
    Send(net::LobbyMsg::LoginRequest, net::Encoded(login));
    if (Expect(net::LobbyMsg::LoginAccepted).Empty())
        return;
    Send(net::LobbyMsg::PlayerRecordRequest, {});
    const net::MsgRecord record = Expect(net::LobbyMsg::PlayerRecord);
    if (record.Empty())
        return;
    me_ = net::PlayerRecord::Decode(record.Data());
    Send(net::LobbyMsg::HallListRequest, {}, true);
    const net::MsgRecord halls = Expect(net::LobbyMsg::HallList);
    if (!halls.Empty())
        halls_ = net::HallList::Decode(halls.Data());
}

void LobbySession::Send(uint8_t id, std::span<const uint8_t> data, bool hallList)
{
    const net::MsgRecord record = net::MsgRecord::Build(id, data);
    const std::vector<uint8_t> bytes = net::BuildLobbyEnvelope(
        hallList ? net::EnvelopeKind::LobbyList : net::EnvelopeKind::Lobby, record.Bytes());
    socket_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    socket_.waitForBytesWritten(kWaitMs);
}

net::MsgRecord LobbySession::Expect(uint8_t id)
{
    for (;;) {
        while (pending_.size() >= 4) {
            const net::ByteReader head({reinterpret_cast<const uint8_t*>(pending_.constData()), 4});
            const qsizetype length = head.U32(0);
            if (pending_.size() < 4 + length)
                break;
            net::MsgRecord record(static_cast<size_t>(length));
            std::copy(pending_.begin() + 4, pending_.begin() + 4 + length, record.MutableBytes().begin());
            pending_.remove(0, 4 + length);
            if (record.Id() == id)
                return record;
        }
        if (!socket_.waitForReadyRead(kWaitMs)) {
            failure_ = QStringLiteral("no lobby message %1").arg(id);
            return {};
        }
        pending_ += socket_.readAll();
    }
}
