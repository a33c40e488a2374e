#include "platform/ClientSocket.h"

#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class RecordingSocket : public platform::ClientSocket {
public:
    QByteArray received;
    int closes = 0;

protected:
    void OnReceive() override
    {
        char buffer[64];
        for (int n; (n = Receive(buffer, sizeof buffer)) > 0;)
            received.append(buffer, n);
    }
    void OnClose() override { ++closes; }
};

template <typename Done>
void RunUntil(Done done)
{
    QEventLoop loop;
    QTimer cap;
    cap.setSingleShot(true);
    cap.start(5000);
    while (!done() && cap.isActive())
        loop.processEvents(QEventLoop::WaitForMoreEvents, 50);
}

struct ClientSocketTest : ::testing::Test {
    QTcpServer server;
    QTcpSocket* peer = nullptr;
    RecordingSocket socket;

    void SetUp() override
    {
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
        ASSERT_TRUE(socket.Create());
        ASSERT_TRUE(socket.Connect("127.0.0.1", server.serverPort()));
        ASSERT_TRUE(server.waitForNewConnection(5000));
        peer = server.nextPendingConnection();
    }
};

TEST_F(ClientSocketTest, SendDeliversEveryByteBeforeItReturns)
{
    const QByteArray data(100000, 'x');
    EXPECT_EQ(socket.Send(data.constData(), data.size()), data.size());
    QByteArray got;
    RunUntil([&] {
        got += peer->readAll();
        return got.size() >= data.size();
    });
    EXPECT_EQ(got, data);
}

TEST_F(ClientSocketTest, ReceivedBytesArriveThroughTheReceiveNotification)
{
    peer->write("hello");
    peer->flush();
    RunUntil([&] { return socket.received.size() >= 5; });
    EXPECT_EQ(socket.received, "hello");
}

TEST_F(ClientSocketTest, ThePeersCloseIsNotifiedOnceAndLaterSendsFail)
{
    peer->close();
    RunUntil([&] { return socket.closes > 0; });
    EXPECT_EQ(socket.closes, 1);
    EXPECT_EQ(socket.Send("a", 1), -1);
}

TEST_F(ClientSocketTest, OurOwnCloseIsNoNews)
{
    socket.Close();
    EXPECT_FALSE(socket.IsConnected());
    EXPECT_EQ(socket.closes, 0);
    EXPECT_EQ(socket.Send("a", 1), -1);
}

TEST(ClientSocket, ConnectToAClosedPortFails)
{
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    RecordingSocket socket;
    ASSERT_TRUE(socket.Create());
    EXPECT_FALSE(socket.Connect("127.0.0.1", port));
    EXPECT_FALSE(socket.IsConnected());
}

} // namespace
