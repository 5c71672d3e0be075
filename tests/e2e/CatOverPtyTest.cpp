// Station software on the CAT port of the real tq5820 (offscreen), with
// tq5820-sim as the radio: frequency and mode are read and set through the
// bridge, and junk on the CAT line neither stops the answers nor reaches the
// radio.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "link/PtyPair.h"
#include "support/CoreApplication.h"
#include "support/SimProcess.h"

namespace {

// Generous limits that only keep a broken build from hanging the suite.
constexpr int kStartLimitMs = 30000;
constexpr int kReplyLimitMs = 5000;

/// Resident memory of a process in kilobytes, from /proc.
qint64 residentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

void writeFile(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toLatin1());
}

class CatOverPty : public ::testing::Test {
protected:
    void SetUp() override {
        tq::test::ensureCoreApplication();
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(m_station.ok());
        const QString radio = m_dir.filePath(QStringLiteral("radio"));
        m_sim = std::make_unique<tq::test::SimProcess>(
            radio, QStringList{QStringLiteral("--firmware"), QStringLiteral("3"),
                               QStringLiteral("--reply-delay"), QStringLiteral("5"),
                               QStringLiteral("--log-received")});
        ASSERT_FALSE(m_sim->devicePath().isEmpty());
        writeFile(m_dir.filePath(QStringLiteral("SerialPorts.txt")),
                  QStringLiteral("1 %1\n2 %2\n").arg(radio, m_station.slaveName()));
        writeFile(m_dir.filePath(QStringLiteral("PortSetup.txt")),
                  QStringLiteral("1\r\n9600,O,7,1\r\ncomNone\r\n0\r\n"));
        writeFile(m_dir.filePath(QStringLiteral("CATSetup.txt")),
                  QStringLiteral("2\r\n9600 ,N, 8, 1\r\ncomNone\r\nKenwood\r\n"));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("TMPDIR"), m_dir.path());
        m_program.setProcessEnvironment(environment);
        m_program.start(QStringLiteral(TQ_BIN_DIR "/tq5820"),
                        {QStringLiteral("--data-dir"), m_dir.path()});
        ASSERT_TRUE(m_program.waitForStarted(kStartLimitMs));
        QString printed;
        QDeadlineTimer deadline(kStartLimitMs);
        while (!printed.contains(QStringLiteral("Main loop running: REMOTE")) &&
               !deadline.hasExpired()) {
            m_program.waitForReadyRead(200);
            printed += QString::fromLocal8Bit(m_program.readAllStandardOutput());
        }
        ASSERT_TRUE(printed.contains(QStringLiteral("Main loop running: REMOTE")))
            << printed.toStdString();
    }

    void TearDown() override {
        m_program.terminate();
        m_program.waitForFinished(kReplyLimitMs);
    }

    /// Sends a batch as station software and collects the expected number of
    /// reply characters.
    QString ask(const QByteArray& batch, int replyLength) {
        m_station.send(batch);
        return QString::fromLatin1(m_station.receive(replyLength, kReplyLimitMs));
    }

    QTemporaryDir m_dir;
    tq::link::PtyPair m_station;
    std::unique_ptr<tq::test::SimProcess> m_sim;
    QProcess m_program;
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
    const qint64 memoryBefore = residentKb(m_program.processId());
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
    const qint64 grown = residentKb(m_program.processId()) - memoryBefore;
    EXPECT_LT(grown, 4 * 1024) << "8 MB sent; the program grew by " << grown << " kB";
    const QString sentToRadio = m_sim->output().mid(before.size());
    EXPECT_FALSE(sentToRadio.contains(QRegularExpression(QStringLiteral("rx [FM][0-9]"))))
        << sentToRadio.toStdString();
}

}  // namespace
