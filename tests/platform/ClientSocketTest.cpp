#include "platform/ClientSocket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {
namespace {

// A socket whose notifications are logged; the receive handler reads `chunk` bytes
// per notification, as an owner's receive routine reads one buffer per run.
class LoggingSocket : public ClientSocket {
public:
    std::vector<std::string> events;
    QByteArray received;
    size_t chunk = 102400;
    std::function<void()> afterClose;

protected:
    void OnReceive() override
    {
        std::vector<char> buffer(chunk);
        const int n = Receive(buffer.data(), buffer.size());
        events.push_back("receive " + std::to_string(n));
        if (n > 0)
            received.append(buffer.data(), n);
    }
    void OnClose() override
    {
        events.push_back("close");
        // A copy: the handler may destroy this socket and with it the member.
        if (auto after = afterClose)
            after();
    }
};

// Handles events until `done` holds; the deadline only ends a broken run.
bool Pump(const std::function<bool()>& done)
{
    QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QByteArray Pattern(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

// A loopback peer with one accepted connection.
class ClientSocketTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server_.listen(QHostAddress::LocalHost));
        ASSERT_TRUE(socket_->Create());
        ASSERT_TRUE(socket_->Connect(QStringLiteral("127.0.0.1"), server_.serverPort()));
        ASSERT_TRUE(server_.waitForNewConnection(5000));
        peer_ = server_.nextPendingConnection();
        ASSERT_NE(peer_, nullptr);
    }

    QByteArray PeerReads(int size)
    {
        QByteArray bytes;
        while (bytes.size() < size && (peer_->bytesAvailable() > 0 || peer_->waitForReadyRead(5000)))
            bytes += peer_->readAll();
        return bytes;
    }

    void PeerWrites(const QByteArray& bytes)
    {
        peer_->write(bytes);
        while (peer_->bytesToWrite() > 0)
            ASSERT_TRUE(peer_->waitForBytesWritten(5000));
    }

    QTcpServer server_;
    QTcpSocket* peer_ = nullptr;
    std::unique_ptr<LoggingSocket> socket_ = std::make_unique<LoggingSocket>();
};

TEST(ClientSocketConnectTest, ClosedPortFailsAndNothingCanBeSent)
{
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 closedPort = probe.serverPort();
    probe.close();

    LoggingSocket socket;
    ASSERT_TRUE(socket.Create());
    EXPECT_FALSE(socket.Connect(QStringLiteral("127.0.0.1"), closedPort));
    EXPECT_FALSE(socket.IsConnected());
    EXPECT_EQ(socket.Send("x", 1), -1);
    EXPECT_EQ(socket.LastError(), ClientSocket::kNotConnected);
    QCoreApplication::processEvents();
    EXPECT_TRUE(socket.events.empty());
}

TEST(ClientSocketConnectTest, NothingWorksBeforeCreate)
{
    LoggingSocket socket;
    char buffer[4];
    EXPECT_FALSE(socket.Connect(QStringLiteral("127.0.0.1"), 8080));
    EXPECT_EQ(socket.Send("x", 1), -1);
    EXPECT_EQ(socket.Receive(buffer, sizeof buffer), -1);
}

TEST_F(ClientSocketTest, SendReturnsOnlyWhenEveryByteIsOnItsWay)
{
    // More than one socket buffer's worth, so that the send has to wait.
    const QByteArray bytes = Pattern(150000);
    EXPECT_EQ(socket_->Send(bytes.constData(), static_cast<size_t>(bytes.size())), bytes.size());
    EXPECT_EQ(PeerReads(bytes.size()), bytes);
}

TEST_F(ClientSocketTest, ReceivedBytesAreAnnouncedAndReadInOrder)
{
    const QByteArray bytes = Pattern(1000);
    PeerWrites(bytes);
    ASSERT_TRUE(Pump([&] { return socket_->received.size() == bytes.size(); }));
    EXPECT_EQ(socket_->received, bytes);
}

TEST_F(ClientSocketTest, BytesLeftBehindByAReceiveAreAnnouncedAgain)
{
    socket_->chunk = 4;
    PeerWrites("0123456789");
    ASSERT_TRUE(Pump([&] { return socket_->received.size() == 10; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(socket_->received, QByteArray("0123456789"));
    EXPECT_EQ(socket_->events, (std::vector<std::string>{"receive 4", "receive 4", "receive 2"}));
}

TEST_F(ClientSocketTest, NoHandlerRunsInsideASend)
{
    PeerWrites("hello");
    const QByteArray bytes = Pattern(150000);
    ASSERT_EQ(socket_->Send(bytes.constData(), static_cast<size_t>(bytes.size())), bytes.size());
    EXPECT_TRUE(socket_->events.empty());
    ASSERT_TRUE(Pump([&] { return !socket_->events.empty(); }));
    EXPECT_EQ(socket_->received, QByteArray("hello"));
}

TEST_F(ClientSocketTest, PeerCloseComesAfterTheLastBytesAndSendThenFails)
{
    PeerWrites("bye");
    peer_->disconnectFromHost();
    ASSERT_TRUE(Pump([&] { return !socket_->events.empty() && socket_->events.back() == "close"; }));
    EXPECT_EQ(socket_->received, QByteArray("bye"));
    EXPECT_EQ(socket_->events, (std::vector<std::string>{"receive 3", "close"}));
    EXPECT_FALSE(socket_->IsConnected());
    EXPECT_EQ(socket_->Send("x", 1), -1);
    EXPECT_EQ(socket_->LastError(), ClientSocket::kShutdown);
}

TEST_F(ClientSocketTest, OwnCloseIsNotAnnounced)
{
    PeerWrites("late");
    socket_->Close();
    // The peer sees the end; anything the socket would have announced is queued by now.
    EXPECT_TRUE(peer_->waitForDisconnected(5000));
    QCoreApplication::processEvents();
    EXPECT_TRUE(socket_->events.empty());
    EXPECT_EQ(socket_->Send("x", 1), -1);
}

TEST_F(ClientSocketTest, CloseHandlerMayDestroyTheSocket)
{
    bool destroyed = false;
    socket_->afterClose = [&] {
        socket_.reset();
        destroyed = true;
    };
    peer_->abort();
    ASSERT_TRUE(Pump([&] { return destroyed; }));
    QCoreApplication::processEvents();
}

} // namespace
} // namespace platform
