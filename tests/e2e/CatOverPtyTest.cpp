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
    const QByteArray text = status.readAll();
    return text.mid(text.indexOf("VmRSS:") + 6).trimmed().split(' ').value(0).toLongLong();
}

TEST(CatOverPty, StationSoftwareIsAnsweredThroughJunkAndAGarbledRadioLine) {
    tq::test::ensureCoreApplication();
    tq::link::PtyPair station;
    ASSERT_TRUE(station.ok());
    const quint16 networkPort = tq::test::ProgramProcess::freePort();
    tq::test::ProgramProcess run(
        {.simArguments = {QStringLiteral("--firmware"), QStringLiteral("3"),
                          QStringLiteral("--reply-delay"), QStringLiteral("5"),
                          QStringLiteral("--log-received")},
         .catDevice = station.slaveName(),
         .programArguments = {QStringLiteral("--rigctld=%1").arg(networkPort)}});
    ASSERT_TRUE(run.ready());
    ASSERT_TRUE(run.startToMainLoop(kStartLimitMs)) << run.output().toStdString();
    tq::test::SimProcess& sim = run.sim();
    const auto ask = [&](const QByteArray& batch, int replyLength) {
        station.send(batch);
        return QString::fromLatin1(station.receive(replyLength, kReplyLimitMs));
    };
    EXPECT_EQ(ask("FA00007074000;FA;MD1;MD;", 18), QStringLiteral("FA00007074000;MD1;"));
    EXPECT_TRUE(sim.waitForOutput(QStringLiteral("rx F0707400"), kReplyLimitMs))
        << sim.output().toStdString();

    // Binary noise, then a sender that never stops (far more than the program
    // may keep), then commands that must not reach the radio.
    const qsizetype before = sim.output().size();
    const qint64 memoryBefore = residentKb(run.process().processId());
    QByteArray noise;
    for (int i = 0; i < 20000; ++i)
        noise.append(static_cast<char>((i * 239) % 256));
    station.send(noise);
    for (int i = 0; i < 128; ++i)
        station.send(QByteArray(64 * 1024, 'F'));
    station.send("FA00107074000;MD4;IF;ID;FA0000707;");
    station.receive(1 << 20, 500);  // whatever that was answered
    EXPECT_EQ(ask("FA;", 14), QStringLiteral("FA00007074000;"));
    const qint64 grown = residentKb(run.process().processId()) - memoryBefore;
    EXPECT_LT(grown, 4 * 1024) << "8 MB sent; the program grew by " << grown << " kB";
    const QString sentToRadio = sim.output().mid(before);
    EXPECT_FALSE(sentToRadio.contains(QRegularExpression(QStringLiteral("rx [FM][0-9]"))))
        << sentToRadio.toStdString();

    // The radio's answer to the next set comes back spoiled.
    sim.command(QStringLiteral("garble"));
    station.send("FA00007074500;");
    ASSERT_TRUE(sim.waitForOutput(QStringLiteral("garbled F"), kReplyLimitMs))
        << sim.output().toStdString();
    const qsizetype garbledAt = sim.output().indexOf(QStringLiteral("garbled F"));
    // Both routes are still answered at once, and the program asks the radio
    // again instead of waiting for the operator to press Refresh.
    EXPECT_EQ(ask("FA;", 14), QStringLiteral("FA00007074500;"));
    QTcpSocket network;
    network.connectToHost(QHostAddress::LocalHost, networkPort);
    ASSERT_TRUE(network.waitForConnected(kReplyLimitMs));
    network.write("f\n");
    const QDeadlineTimer deadline(kReplyLimitMs);
    while (!network.canReadLine() && !deadline.hasExpired())
        network.waitForReadyRead(100);
    EXPECT_EQ(network.readLine(), "7074500\n");
    EXPECT_TRUE(sim.waitForOutput(QStringLiteral("rx ?"), kReplyLimitMs, garbledAt))
        << sim.output().mid(garbledAt).toStdString();
    EXPECT_EQ(ask("FA00007074000;FA;", 14), QStringLiteral("FA00007074000;"));
    EXPECT_TRUE(sim.waitForOutput(QStringLiteral("rx F0707400"), kReplyLimitMs, garbledAt));
}

}  // namespace
