// The network side of rig control over real loopback connections: lines are
// only queued until served, each gets its reply, buffers stay bounded, and a
// client that goes away never leaves the transmitter keyed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <functional>
#include <memory>
#include <vector>

#include "rigctl/FakeRig.h"
#include "rigctl/RigctlServer.h"
#include "support/CoreApplication.h"

namespace {

using tq::rigctl::RigctlServer;

// Only keeps a broken build from hanging the suite; never a measurement.
constexpr int kLimitMs = 10000;

bool runUntil(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(kLimitMs);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

class RigctlServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        tq::test::ensureCoreApplication();
        ASSERT_FALSE(server.listen(QHostAddress::LocalHost, 0).has_value());
    }

    std::unique_ptr<QTcpSocket> connectClient() {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, server.serverPort());
        EXPECT_TRUE(socket->waitForConnected(kLimitMs));
        return socket;
    }

    // Serves like the main loop until condition holds.
    bool serveUntil(const std::function<bool()>& condition) {
        return runUntil([&] {
            if (pending) {
                server.serve(rig);
            }
            return condition();
        });
    }

    // Serves until the client has read `lines` lines.
    QByteArray exchange(QTcpSocket& client, int lines) {
        QByteArray received;
        serveUntil([&] {
            received += client.readAll();
            return received.count('\n') >= lines;
        });
        return received;
    }

    bool pending = false;
    RigctlServer server{pending};
    tq::test::FakeRig rig;
};

TEST_F(RigctlServerTest, LinesWaitForTheMainLoopAndEachClientGetsItsOwnReply) {
    auto first = connectClient();
    auto second = connectClient();
    first->write("f\n");
    second->write("+t\r\n");
    ASSERT_TRUE(runUntil([&] { return server.queuedLines() == 2; }));
    EXPECT_TRUE(pending);
    EXPECT_EQ(first->bytesAvailable(), 0) << "nothing is answered before the loop serves it";
    server.serve(rig);
    EXPECT_FALSE(pending);
    EXPECT_EQ(exchange(*first, 1), "14074000\n");
    EXPECT_EQ(exchange(*second, 3), "get_ptt:\nPTT: 0\nRPRT 0\n");
}

TEST_F(RigctlServerTest, OverlongLinesAreDiscardedAndAnsweredWithAnError) {
    auto client = connectClient();
    client->write(QByteArray(RigctlServer::kMaxLineLength * 5, 'F'));
    client->write("\nf\n");
    EXPECT_EQ(exchange(*client, 2), "RPRT -1\n14074000\n");
    EXPECT_TRUE(rig.log.isEmpty());
}

TEST_F(RigctlServerTest, AFloodingClientIsServedInTurnWithBoundedQueues) {
    auto client = connectClient();
    constexpr int kLines = 500;
    client->write(QByteArray("v\n").repeated(kLines));
    int mostQueued = 0;
    QByteArray received;
    ASSERT_TRUE(serveUntil([&] {
        mostQueued = std::max(mostQueued, server.queuedLines());
        received += client->readAll();
        return received.count('\n') >= kLines;
    }));
    EXPECT_LE(mostQueued, RigctlServer::kMaxQueuedLinesPerClient);
    EXPECT_EQ(received, QByteArray("VFOA\n").repeated(kLines));
}

TEST_F(RigctlServerTest, NoiseNeverKeysTheTransmitter) {
    auto client = connectClient();
    // Bytes of every value, with the transmit request's letters among them.
    QByteArray noise;
    for (int i = 0; i < 4000; ++i) {
        noise += static_cast<char>((i * 7919 + 13) % 256);
        if (i % 97 == 0) {
            noise += "\x01T 1\n";
        }
    }
    noise += "\nq\n";
    client->write(noise);
    ASSERT_TRUE(serveUntil([&] {
        client->readAll();
        return client->state() == QAbstractSocket::UnconnectedState;
    }));
    EXPECT_FALSE(rig.log.contains(QStringLiteral("transmit 1")));
    EXPECT_FALSE(rig.latched);
}

TEST_F(RigctlServerTest, AClientThatDropsWhileHoldingTheTransmitterReleasesIt) {
    auto holder = connectClient();
    auto other = connectClient();
    holder->write("T 1\n");
    EXPECT_EQ(exchange(*holder, 1), "RPRT 0\n");
    ASSERT_TRUE(rig.latched);
    other->abort();  // a client that holds nothing changes nothing
    ASSERT_TRUE(runUntil([&] { return server.clientCount() == 1; }));
    if (pending) {
        server.serve(rig);
    }
    EXPECT_TRUE(rig.latched);
    holder->abort();
    ASSERT_TRUE(runUntil([&] { return server.clientCount() == 0; }));
    EXPECT_TRUE(pending) << "the release waits for the main loop";
    server.serve(rig);
    EXPECT_FALSE(rig.latched);
    EXPECT_EQ(rig.log.last(), "transmit 0");
}

TEST_F(RigctlServerTest, AReleaseAtThePanelEndsTheClientsHold) {
    auto holder = connectClient();
    holder->write("T 1\n");
    EXPECT_EQ(exchange(*holder, 1), "RPRT 0\n");
    rig.latched = false;  // the operator let go
    server.serve(rig);
    rig.latched = true;  // and latched again from the panel
    holder->abort();
    ASSERT_TRUE(runUntil([&] { return server.clientCount() == 0; }));
    server.serve(rig);
    EXPECT_TRUE(rig.latched) << "the operator's own latch is left alone";
}

TEST_F(RigctlServerTest, HundredsOfShortConnectionsLeaveNothingBehind) {
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    for (int i = 0; i < 300; ++i) {
        auto client = connectClient();
        client->write(i % 2 == 0 ? "f\n" : "T 1");
        client->flush();
        clients.push_back(std::move(client));
        if (clients.size() == 20) {
            QCoreApplication::processEvents();
            clients.clear();  // all of them gone at once
        }
    }
    clients.clear();
    ASSERT_TRUE(runUntil([&] { return server.clientCount() == 0; }));
    server.serve(rig);
    EXPECT_EQ(server.queuedLines(), 0);
    EXPECT_FALSE(pending);
    EXPECT_FALSE(rig.latched);
}

TEST_F(RigctlServerTest, StoppingDropsEveryClientAndListensNoMore) {
    auto client = connectClient();
    client->write("T 1\n");
    EXPECT_EQ(exchange(*client, 1), "RPRT 0\n");
    server.stop();
    EXPECT_FALSE(server.isListening());
    EXPECT_EQ(server.clientCount(), 0);
    server.serve(rig);
    EXPECT_FALSE(rig.latched);
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, client->peerPort());
    EXPECT_FALSE(late.waitForConnected(kLimitMs) &&
                 late.state() == QAbstractSocket::ConnectedState);
}

TEST_F(RigctlServerTest, ALinkFailureUnderARequestIsAnsweredAndPassedOn) {
    auto client = connectClient();
    client->write("F 7000000\nf\n");
    ASSERT_TRUE(runUntil([&] { return server.queuedLines() == 2; }));
    rig.linkFails = true;
    EXPECT_THROW(server.serve(rig), std::runtime_error);
    EXPECT_TRUE(pending) << "the next line still waits";
    rig.linkFails = false;
    EXPECT_EQ(exchange(*client, 2), "RPRT -6\n14074000\n");
}

TEST_F(RigctlServerTest, AClientThatNeverReadsItsRepliesIsCutOff) {
    QTcpSocket silent;
    // A small window makes the replies back up in the server soon.
    silent.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
    silent.connectToHost(QHostAddress::LocalHost, server.serverPort());
    ASSERT_TRUE(silent.waitForConnected(kLimitMs));
    ASSERT_TRUE(runUntil([&] { return server.clientCount() == 1; }));
    auto other = connectClient();
    const QByteArray request = QByteArray("\\dump_state\n").repeated(100);
    int sent = 0;
    ASSERT_TRUE(serveUntil([&] {
        if (silent.bytesToWrite() < 4096 && sent < 100000) {
            silent.write(request);
            sent += 100;
        }
        return server.clientCount() == 1;
    })) << "lines sent: "
        << sent;
    // The reader left over is still served.
    other->write("f\n");
    EXPECT_EQ(exchange(*other, 1), "14074000\n");
}

}  // namespace
