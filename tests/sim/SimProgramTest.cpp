// The tq5820-sim program end to end: a client opens the pseudo-terminal it
// prints, talks to the radio with plain POSIX calls, and the program ends
// cleanly on SIGTERM.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Generous limits for a loaded machine; a passing run takes milliseconds.
constexpr int kStartLimitMs = 10000;
constexpr int kReplyLimitMs = 5000;

class SimProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_link = m_dir.filePath(QStringLiteral("radio"));
        const QString binary = QStringLiteral(TQ_BIN_DIR "/tq5820-sim");
        ASSERT_TRUE(QFileInfo(binary).isExecutable()) << qPrintable(binary);
        m_process.start(binary, {"--firmware", "1", "--reply-delay", "1", "--link", m_link});
        ASSERT_TRUE(m_process.waitForStarted(kStartLimitMs));
        QDeadlineTimer deadline(kStartLimitMs);
        while (!m_process.canReadLine() && !deadline.hasExpired()) {
            m_process.waitForReadyRead(100);
        }
        m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        ASSERT_TRUE(m_path.startsWith(QStringLiteral("/dev/"))) << qPrintable(m_path);
    }

    void TearDown() override {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(kStartLimitMs);
        }
    }

    void openDevice(const QString& path) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(m_fd, 0) << qPrintable(path);
    }

    void send(const char* text) {
        ASSERT_EQ(::write(m_fd, text, std::strlen(text)), static_cast<ssize_t>(std::strlen(text)));
    }

    /// Reads until the text received ends with `end`, or the limit passes.
    QByteArray readUntil(const QByteArray& end) {
        QByteArray received;
        QDeadlineTimer deadline(kReplyLimitMs);
        while (!received.endsWith(end) && !deadline.hasExpired()) {
            pollfd entry{m_fd, POLLIN, 0};
            if (::poll(&entry, 1, 50) > 0) {
                char buffer[512];
                const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
                if (count > 0) {
                    received.append(buffer, count);
                }
            }
        }
        return received;
    }

    QTemporaryDir m_dir;
    QString m_link;
    QString m_path;
    QProcess m_process;
    int m_fd = -1;
};

TEST_F(SimProgram, ServesACompleteStatusDumpAndEndsCleanlyOnSigterm) {
    EXPECT_EQ(QFileInfo(m_link).symLinkTarget(), m_path);
    openDevice(m_path);
    send("?\n");
    const QByteArray dump = readUntil("#\n.\n");
    EXPECT_TRUE(dump.startsWith("F1420000\n")) << dump.constData();
    EXPECT_TRUE(dump.endsWith("!\n#\n.\n")) << dump.constData();
    EXPECT_TRUE(dump.contains("\nR1\n"));
    for (char c : dump) {
        EXPECT_EQ(c & 0x80, 0);
    }

    ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
    ASSERT_TRUE(m_process.waitForFinished(kStartLimitMs));
    EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_process.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(m_link) || QFileInfo(m_link).isSymLink());
}

TEST_F(SimProgram, ControlSwitchesBySignalAndByCommandReachTheClient) {
    openDevice(m_link);
    ::kill(static_cast<pid_t>(m_process.processId()), SIGUSR1);
    EXPECT_EQ(readUntil("R0\n"), "R0\n");
    m_process.write("remote\n");
    ASSERT_TRUE(m_process.waitForBytesWritten(kReplyLimitMs));
    EXPECT_EQ(readUntil("R1\n"), "R1\n");
}

}  // namespace
