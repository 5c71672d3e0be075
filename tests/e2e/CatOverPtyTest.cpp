// Station software on the CAT port of the real tq5820 (offscreen), with
// tq5820-sim as the radio: frequency and mode are read and set through the
// bridge, junk on the CAT line neither stops the answers nor reaches the
// radio, and a garbled line from the radio cuts no route off.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTcpSocket>

#include "support/CoreApplication.h"
#include "support/ProgramProcess.h"
#include "support/PtyPair.h"

namespace {

// Generous limits that only keep a broken build from hanging the suite.
constexpr int kStartLimitMs = 30000;
constexpr int kReplyLimitMs = 5000;

/// Resident memory of a process in kilobytes, from /proc.
qint64 residentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

class CatOverPty : public ::testing::Test {
protected:
    void SetUp() override {
        tq::test::ensureCoreApplication();
        ASSERT_TRUE(m_station.ok());
        m_run = std::make_unique<tq::test::ProgramProcess>(tq::test::ProgramProcess::Options{
            .simArguments = {QStringLiteral("--firmware"), QStringLiteral("3"),
                             QStringLiteral("--reply-delay"), QStringLiteral("5"),
                             QStringLiteral("--log-received")},
            .catDevice = m_station.slaveName(),
            .programArguments = {QStringLiteral("--rigctld=%1").arg(m_networkPort)}});
        ASSERT_TRUE(m_run->ready());
        ASSERT_TRUE(m_run->startToMainLoop(kStartLimitMs)) << m_run->output().toStdString();
        m_sim = &m_run->sim();
    }

    /// Sends a batch as station software and collects the expected number of
    /// reply characters.
    QString ask(const QByteArray& batch, int replyLength) {
        m_station.send(batch);
        return QString::fromLatin1(m_station.receive(replyLength, kReplyLimitMs));
    }

    /// One request line on the network route and its one-line answer.
    QString askNetwork(const QByteArray& line) {
        if (m_network.state() != QAbstractSocket::ConnectedState) {
            m_network.connectToHost(QHostAddress::LocalHost, m_networkPort);
            m_network.waitForConnected(kReplyLimitMs);
        }
        m_network.write(line + '\n');
        const QDeadlineTimer deadline(kReplyLimitMs);
        while (!m_network.canReadLine() && !deadline.hasExpired()) {
            m_network.waitForReadyRead(100);
        }
        return QString::fromLatin1(m_network.readLine()).trimmed();
    }

    tq::link::PtyPair m_station;
    quint16 m_networkPort = tq::test::ProgramProcess::freePort();
    QTcpSocket m_network;
    std::unique_ptr<tq::test::ProgramProcess> m_run;
    tq::test::SimProcess* m_sim = nullptr;
};

TEST_F(CatOverPty, StationSoftwareReadsAndSetsThroughTheBridgeAndJunkIsHarmless) {
    const QString first = ask("FA;MD;", 18);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^FA000[0-9]{7}0;MD[1235];$")).match(first).hasMatch())
        << first.toStdString();
    EXPECT_EQ(ask("FA00007074000;FA;", 14), QStringLiteral("FA00007074000;"));
    EXPECT_EQ(ask("MD1;MD;", 4), QStringLiteral("MD1;"));
    EXPECT_EQ(ask("MD3;MD;", 4), QStringLiteral("MD3;"));
    EXPECT_TRUE(m_sim->waitForOutput(QStringLiteral("rx F0707400"), kReplyLimitMs))
        << m_sim->output().toStdString();

    // Binary noise, then a sender that never stops (far more than the program
    // may keep), then commands that must not reach the radio.
    const QString before = m_sim->output();
    const qint64 memoryBefore = residentKb(m_run->process().processId());
    QByteArray noise;
    for (int i = 0; i < 20000; ++i) {
        noise.append(static_cast<char>((i * 239) % 256));
    }
    m_station.send(noise);
    for (int i = 0; i < 128; ++i) {
        m_station.send(QByteArray(64 * 1024, 'F'));
    }
    m_station.send("FA00107074000;MD4;IF;ID;FA0000707;");
    m_station.receive(1 << 20, 500);  // whatever that was answered
    EXPECT_EQ(ask("FA;", 14), QStringLiteral("FA00007074000;"));
    const qint64 grown = residentKb(m_run->process().processId()) - memoryBefore;
    EXPECT_LT(grown, 4 * 1024) << "8 MB sent; the program grew by " << grown << " kB";
    const QString sentToRadio = m_sim->output().mid(before.size());
    EXPECT_FALSE(sentToRadio.contains(QRegularExpression(QStringLiteral("rx [FM][0-9]"))))
        << sentToRadio.toStdString();
}

TEST_F(CatOverPty, AGarbledFrequencyLineFromTheRadioCutsNoStationSoftwareOff) {
    ASSERT_EQ(ask("FA00007074000;FA;", 14), QStringLiteral("FA00007074000;"));
    ASSERT_TRUE(m_sim->waitForOutput(QStringLiteral("rx F0707400"), kReplyLimitMs));
    // The radio's answer to the next set comes back spoiled.
    m_sim->command(QStringLiteral("garble"));
    m_station.send("FA00007074500;");
    ASSERT_TRUE(m_sim->waitForOutput(QStringLiteral("garbled F"), kReplyLimitMs))
        << m_sim->output().toStdString();
    const qsizetype garbledAt = m_sim->output().indexOf(QStringLiteral("garbled F"));
    // Both routes still answer at once...
    EXPECT_EQ(ask("FA;", 14), QStringLiteral("FA00007074500;"));
    EXPECT_EQ(askNetwork("f"), QStringLiteral("7074500"));
    // ...and the program asks the radio again instead of waiting for the
    // operator to press Refresh.
    EXPECT_TRUE(m_sim->waitForOutput(QStringLiteral("rx ?"), kReplyLimitMs, garbledAt))
        << m_sim->output().mid(garbledAt).toStdString();
    EXPECT_EQ(askNetwork("F 7074000"), QStringLiteral("RPRT 0"));
    EXPECT_TRUE(m_sim->waitForOutput(QStringLiteral("rx F0707400"), kReplyLimitMs, garbledAt));
}

}  // namespace
