// Rig control's network edge cases over real loopback connections; silence
// is measured on a virtual clock.
#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "rigctl/RigctlServer.h"
#include "support/CoreApplication.h"
#include "support/FakeRig.h"
#include "support/TestClock.h"

namespace {

using tq::rigctl::RigctlServer;

// Only keeps a broken build from hanging the suite; never a measurement.
constexpr int kLimitMs = 10000;

/// Handles events, blocking while there are none, until condition holds
/// (looked at whenever the queue runs dry) or the limit passes.
bool waitUntil(const std::function<bool()>& condition) {
    if (condition()) {
        return true;
    }
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &loop, [&] {
                         if (condition()) {
                             loop.quit();
                         }
                     });
    limit.start(kLimitMs);
    loop.exec();
    return condition();
}

class RigctlServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        tq::test::ensureCoreApplication();
        ASSERT_FALSE(server.listen(QHostAddress::LocalHost, 0).has_value());
    }

    /// A client the server has taken in (and stamped with the clock's time).
    std::unique_ptr<QTcpSocket> connectClient() {
        const int before = server.clientCount();
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, server.serverPort());
        EXPECT_TRUE(socket->waitForConnected(kLimitMs));
        EXPECT_TRUE(waitUntil([&] { return server.clientCount() > before; }));
        return socket;
    }

    /// Sends text and collects the reply up to its `lines`-th line.
    static QByteArray exchange(QTcpSocket& client, const QByteArray& text, int lines) {
        client.write(text);
        QByteArray received;
        waitUntil([&] {
            received += client.readAll();
            return received.count('\n') >= lines;
        });
        return received;
    }

    static bool closed(QTcpSocket& client) {
        return waitUntil([&] { return client.state() == QAbstractSocket::UnconnectedState; });
    }

    tq::test::FakeRig rig;
    tq::test::TestClock clock;
    RigctlServer server{rig, clock};
};

TEST_F(RigctlServerTest, OverlongLinesAreDiscardedAndAnsweredWithAnError) {
    auto client = connectClient();
    EXPECT_EQ(exchange(*client, "f\n", 1), "14074000\n");  // an overlong first line is closed
    client->write(QByteArray(RigctlServer::kMaxLineLength * 5, 'F'));
    EXPECT_EQ(exchange(*client, "\nf\n", 2), "RPRT -1\n14074000\n");
    EXPECT_TRUE(rig.log.isEmpty());
}

TEST_F(RigctlServerTest, ConnectionsOpeningLikeHttpAreClosedWithNothingDone) {
    const QByteArray longTarget = "GET /" + QByteArray(2 * RigctlServer::kMaxLineLength, 'a');
    // Each in one packet, so the commands after the opening arrive with it.
    const QByteArray openings[] = {
        "Host: 127.0.0.1\r\nT 1\n",
        "\r\nPUT /x HTTP/1.0\nM LSB 0\n",
        longTarget + " HTTP/1.1\r\nT 1\n",
    };
    for (const QByteArray& opening : openings) {
        auto client = connectClient();
        client->write(opening);
        EXPECT_TRUE(closed(*client)) << opening.left(40).constData();
        EXPECT_TRUE(client->readAll().isEmpty()) << opening.left(40).constData();
    }
    EXPECT_TRUE(rig.log.isEmpty()) << rig.log.join(u", ").toStdString();
    // Only the first line decides: later, the same text is an unknown command.
    auto client = connectClient();
    EXPECT_EQ(exchange(*client, "f\nHost: x\n", 2), "14074000\nRPRT -11\n");
}

TEST_F(RigctlServerTest, SilentClientsAreClosedAndAReleaseFollows) {
    auto holder = connectClient();
    auto poller = connectClient();
    EXPECT_EQ(exchange(*holder, "T 1\n", 1), "RPRT 0\n");
    clock.advance(RigctlServer::kIdleSeconds - 60);
    EXPECT_EQ(exchange(*poller, "f\n", 1), "14074000\n");
    clock.advance(59);
    server.closeIdleClients();
    EXPECT_EQ(server.clientCount(), 2) << "a second short of the limit";
    clock.advance(1);
    server.closeIdleClients();
    EXPECT_TRUE(closed(*holder));
    EXPECT_FALSE(rig.latched);
    EXPECT_EQ(server.clientCount(), 1);
    clock.advance(RigctlServer::kIdleSeconds);
    server.closeIdleClients();
    EXPECT_TRUE(closed(*poller));
}

TEST_F(RigctlServerTest, WhenFullTheLongestSilentClientGivesWayToANewcomer) {
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    for (int i = 0; i < RigctlServer::kMaxClients; ++i) {
        clients.push_back(connectClient());
        clock.advance(1);
    }
    // The first one connected first but spoke last.
    EXPECT_EQ(exchange(*clients[0], "v\n", 1), "VFOA\n");
    QTcpSocket newcomer;
    newcomer.connectToHost(QHostAddress::LocalHost, server.serverPort());
    ASSERT_TRUE(newcomer.waitForConnected(kLimitMs));
    EXPECT_EQ(exchange(newcomer, "f\n", 1), "14074000\n");
    EXPECT_TRUE(closed(*clients[1]));
    EXPECT_EQ(server.clientCount(), RigctlServer::kMaxClients);
    EXPECT_EQ(exchange(*clients[0], "v\n", 1), "VFOA\n");
}

TEST_F(RigctlServerTest, AFloodFromOneClientDelaysAnotherOnlyByAFewLines) {
    auto flooder = connectClient();
    auto poller = connectClient();
    constexpr int kLines = 500;
    // Both in the server's kernel buffers before it reads either.
    flooder->write(QByteArray("F 7000000\n").repeated(kLines));
    poller->write("M LSB 0\n");
    ASSERT_TRUE(flooder->waitForBytesWritten(kLimitMs));
    ASSERT_TRUE(poller->waitForBytesWritten(kLimitMs));
    EXPECT_EQ(exchange(*poller, "", 1), "RPRT 0\n");
    // At most the turn under way when the poll came in, and the one after it.
    EXPECT_LE(rig.log.indexOf(QStringLiteral("mode LSB")), 2 * RigctlServer::kLinesPerTurn)
        << rig.log.size() << " sets before it";
    // The flood itself is answered whole and in order.
    EXPECT_EQ(exchange(*flooder, "", kLines), QByteArray("RPRT 0\n").repeated(kLines));
    EXPECT_EQ(rig.log.count(QStringLiteral("freq 7000000")), kLines);
}

TEST_F(RigctlServerTest, AReleaseAtThePanelEndsAClientsHold) {
    // The operator's own latch, taken after the release, stays when the
    // client goes (the whole program proves that a holder's drop unkeys).
    auto holder = connectClient();
    EXPECT_EQ(exchange(*holder, "T 1\n", 1), "RPRT 0\n");
    rig.latched = false;
    server.closeIdleClients();
    rig.latched = true;
    holder->abort();
    ASSERT_TRUE(waitUntil([&] { return server.clientCount() == 0; }));
    EXPECT_TRUE(rig.latched);
}

TEST_F(RigctlServerTest, AClientThatNeverReadsItsRepliesIsCutOff) {
    QTcpSocket silent;
    // A small window, and Qt reading no more than a little ahead for it, make
    // the replies back up in the server soon.
    silent.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
    silent.setReadBufferSize(4096);
    silent.connectToHost(QHostAddress::LocalHost, server.serverPort());
    ASSERT_TRUE(silent.waitForConnected(kLimitMs));
    ASSERT_TRUE(waitUntil([&] { return server.clientCount() == 1; }));
    auto other = connectClient();
    const QByteArray request = QByteArray("\\dump_state\n").repeated(100);
    int sent = 0;
    ASSERT_TRUE(waitUntil([&] {
        if (silent.bytesToWrite() < 4096 && sent < 100000) {
            silent.write(request);
            sent += 100;
        }
        return server.clientCount() == 1;
    })) << "lines sent: "
        << sent;
    // The reader left over is still served.
    EXPECT_EQ(exchange(*other, "f\n", 1), "14074000\n");
}

}  // namespace
