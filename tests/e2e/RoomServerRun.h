#pragma once
// The real morvane-server for the room tests: a temporary database with the given
// players (password "pw"), free loopback ports, stopped with the test. And a lobby
// session for one player, which the server wants before it lets him into a room.
#include "net/HallList.h"
#include "net/MsgRecord.h"
#include "net/PlayerRecord.h"

#include <QProcess>
#include <QStringList>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <optional>

class RoomServerRun {
public:
    explicit RoomServerRun(const QStringList& players);
    ~RoomServerRun();

    bool Started() const { return lobbyPort_ != 0; }
    uint16_t LobbyPort() const { return lobbyPort_; }
    const QString& Failure() const { return failure_; }

private:
    bool RunCommand(const QStringList& args);

    QTemporaryDir dir_;
    QProcess server_;
    uint16_t lobbyPort_ = 0;
    QString failure_;
};

class LobbySession {
public:
    // Logs in (version, login, player record, hall list); Failure() says what went wrong.
    LobbySession(uint16_t port, const char* name);

    bool LoggedIn() const { return failure_.isEmpty(); }
    const QString& Failure() const { return failure_; }
    const net::PlayerRecord& Me() const { return me_; }
    const net::HallList& Halls() const { return halls_; }

private:
    void Send(uint8_t id, std::span<const uint8_t> data, bool hallList = false);
    // The next record with `id`, skipping others; empty after a few seconds without it.
    net::MsgRecord Expect(uint8_t id);

    QTcpSocket socket_;
    QByteArray pending_;
    net::PlayerRecord me_;
    net::HallList halls_;
    QString failure_;
};
