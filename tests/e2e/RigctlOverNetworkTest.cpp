// Hamlib's own network client (rigctl -m 2, from Debian's libhamlib-utils)
// against the real tq5820 and tq5820-sim: it opens the radio (which it only
// does when the state dump parses), reads and sets frequency and mode, keys
// and unkeys; a refused or dropped transmit leaves the radio receiving; a
// browser's request is shut out; and with the links off the program listens
// nowhere.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

#include "support/CoreApplication.h"
#include "support/HamlibWorkout.h"
#include "support/ProgramProcess.h"

namespace {

// Generous limits that only keep a broken build from hanging the suite.
constexpr int kStartLimitMs = 30000;
constexpr int kCommandLimitMs = 15000;

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

/// The TCP ports a process listens on, each with its local address as /proc
/// prints it (0100007F is 127.0.0.1), from the process's sockets.
QMap<int, QString> listeningPorts(qint64 pid) {
    QSet<QString> inodes;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files)) {
        const QString target = QFile::symLinkTarget(fds.filePath(fd));
        const QString name = QFileInfo(target).fileName();
        if (name.startsWith(QStringLiteral("socket:["))) {
            inodes << name.mid(8).chopped(1);
        }
    }
    QMap<int, QString> ports;
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile file(QString::fromLatin1(table));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        file.readLine();  // heading
        while (!file.atEnd()) {
            const QStringList fields =
                QString::fromLatin1(file.readLine()).split(u' ', Qt::SkipEmptyParts);
            // local address:port, ..., state 0A = LISTEN, ..., inode
            if (fields.size() > 9 && fields[3] == u"0A" && inodes.contains(fields[9])) {
                ports.insert(fields[1].section(u':', -1).toInt(nullptr, 16),
                             fields[1].section(u':', 0, -2));
            }
        }
    }
    return ports;
}

/// tq5820 against tq5820-sim (firmware 3, echoing what the radio receives).
tq::test::ProgramProcess::Options programWith(const QStringList& arguments) {
    return {.simArguments = {QStringLiteral("--firmware"), QStringLiteral("3"),
                             QStringLiteral("--log-received")},
            .programArguments = arguments};
}

/// One interactive rigctl session: one connection that stays open, as a
/// digital-mode program keeps it (a connection that closes releases the
/// transmitter it held).
class RigctlSession {
public:
    explicit RigctlSession(quint16 port) {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral("rigctl"),
                        {QStringLiteral("-m"), QStringLiteral("2"), QStringLiteral("-r"),
                         QStringLiteral("127.0.0.1:%1").arg(port)});
        waitForPrompts(1);
    }
    ~RigctlSession() {
        m_process.write("q\n");
        if (!m_process.waitForFinished(kCommandLimitMs)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    /// What rigctl printed for one command.
    QString command(const QString& line) {
        const qsizetype prompts = m_output.count(kPrompt);
        m_process.write(line.toLatin1() + '\n');
        waitForPrompts(prompts + 1);
        return m_output.section(kPrompt, prompts, prompts).trimmed();
    }

private:
    static inline const QString kPrompt = QStringLiteral("Rig command:");

    void waitForPrompts(qsizetype count) {
        QDeadlineTimer deadline(kCommandLimitMs);
        while (m_output.count(kPrompt) < count && !deadline.hasExpired() &&
               m_process.state() != QProcess::NotRunning) {
            m_process.waitForReadyRead(100);
            m_output += QString::fromLocal8Bit(m_process.readAll());
        }
    }

    QProcess m_process;
    QString m_output;
};

struct RigctlRun {
    int exitCode = -1;
    QString output;
    QString trace;  // what rigctl said about itself, at -v and up
};

class RigctlOverNetwork : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable(QStringLiteral("rigctl")).isEmpty()) {
            return;
        }
        s_port = freePort();
        tq::test::ensureCoreApplication();
        s_program =
            new tq::test::ProgramProcess(programWith({QStringLiteral("--rigctld=%1").arg(s_port)}));
        s_started = s_program->ready() && s_program->startToMainLoop(kStartLimitMs);
    }
    static void TearDownTestSuite() {
        delete s_program;
        s_program = nullptr;
    }

    void SetUp() override {
        if (s_program == nullptr) {
            GTEST_SKIP() << "rigctl is not installed (Debian: libhamlib-utils)";
        }
        ASSERT_TRUE(s_started) << s_program->output().toStdString();
        ASSERT_TRUE(s_program->output().contains(
            QStringLiteral("Network rig control listening on 127.0.0.1:%1").arg(s_port)))
            << s_program->output().toStdString();
    }

    static RigctlRun rigctl(const QStringList& commands) {
        QProcess process;
        process.start(QStringLiteral("rigctl"),
                      QStringList{QStringLiteral("-m"), QStringLiteral("2"), QStringLiteral("-r"),
                                  QStringLiteral("127.0.0.1:%1").arg(s_port)} +
                          commands);
        RigctlRun run;
        if (process.waitForFinished(kCommandLimitMs)) {
            run.exitCode = process.exitCode();
        }
        run.trace = QString::fromLocal8Bit(process.readAllStandardError());
        run.output =
            (QString::fromLocal8Bit(process.readAllStandardOutput()) + run.trace).trimmed();
        return run;
    }

    // The radio's keyed state follows its sync answer a moment later.
    static bool keyedBecomes(const QString& wanted) {
        for (int attempt = 0; attempt < 20; ++attempt) {
            if (rigctl({QStringLiteral("t")}).output == wanted) {
                return true;
            }
        }
        return false;
    }

    static inline quint16 s_port = 0;
    static inline tq::test::ProgramProcess* s_program = nullptr;
    static inline bool s_started = false;
};

TEST_F(RigctlOverNetwork, HamlibOpensTheRadioAndReadsAndSetsFrequencyAndMode) {
    EXPECT_EQ(listeningPorts(s_program->process().processId()).value(s_port), "0100007F")
        << "loopback only unless the operator typed another address";
    // Hamlib's client answers reads from its own cache after a set, so every
    // read below is a fresh connection that has to ask the program.
    const RigctlRun tune = rigctl({"F", "7074000", "M", "LSB", "2400"});
    EXPECT_EQ(tune.exitCode, 0) << tune.output.toStdString();
    EXPECT_EQ(rigctl({"f"}).output.toStdString(), "7074000");
    EXPECT_EQ(rigctl({"m"}).output.toStdString(), "LSB\n2400");
    EXPECT_TRUE(s_program->sim().waitForOutput(QStringLiteral("F0707400"), kCommandLimitMs));
    EXPECT_EQ(rigctl({"M", "PKTUSB", "2400", "F", "14074000.5"}).exitCode, 0);
    EXPECT_EQ(rigctl({"m", "f"}).output.toStdString(), "USB\n2400\n14074000");
    const RigctlRun outside = rigctl({"F", "31000000"});
    EXPECT_NE(outside.output.indexOf(QStringLiteral("Invalid parameter")), -1)
        << outside.output.toStdString();
    EXPECT_EQ(rigctl({"f"}).output.toStdString(), "14074000");
}

TEST_F(RigctlOverNetwork, PttKeysAndUnkeysTheRadioThroughTheTransmitLatch) {
    RigctlSession session(s_port);
    EXPECT_EQ(session.command(QStringLiteral("F 14074000")), "");
    EXPECT_EQ(session.command(QStringLiteral("T 1")), "");
    const auto keyed = [&](const QString& wanted) {
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (session.command(QStringLiteral("t")) == QStringLiteral("PTT: ") + wanted) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(keyed(QStringLiteral("1")));
    EXPECT_TRUE(s_program->sim().waitForOutput(QStringLiteral("rx K"), kCommandLimitMs));
    EXPECT_EQ(session.command(QStringLiteral("T 0")), "");
    EXPECT_TRUE(keyed(QStringLiteral("0")));
}

TEST_F(RigctlOverNetwork, HamlibAtItsMostVerboseNeverWaitsInVainNorAsksAgain) {
    const RigctlRun run = rigctl(QStringList{QStringLiteral("-vvvvv")} + tq::test::hamlibWorkout());
    ASSERT_EQ(run.exitCode, 0) << run.trace.right(4000).toStdString();
    ASSERT_EQ(run.trace.count(QStringLiteral("rig_set_ptt entered")), 20) << "a full trace";
    EXPECT_EQ(tq::test::hamlibTrouble(run.trace), QStringList{});
    EXPECT_TRUE(s_program->sim().waitForOutput(QStringLiteral("rx F1432300"), kCommandLimitMs));
    EXPECT_EQ(rigctl({"f", "t"}).output.toStdString(), "14323000\n0");
}

TEST_F(RigctlOverNetwork, OutOfBandTransmitIsRefusedAndDroppedClientsUnkey) {
    ASSERT_EQ(rigctl({"F", "2500000"}).exitCode, 0);  // WWV, not an amateur band
    const RigctlRun refused = rigctl({"T", "1"});
    EXPECT_NE(refused.output.indexOf(QStringLiteral("set_ptt: error")), -1)
        << refused.output.toStdString();
    EXPECT_EQ(rigctl({"t"}).output, "0");

    ASSERT_EQ(rigctl({"F", "7074000"}).exitCode, 0);
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, s_port);
    ASSERT_TRUE(client.waitForConnected(kCommandLimitMs));
    client.write("T 1\n");
    QByteArray reply;
    QDeadlineTimer deadline(kCommandLimitMs);
    while (!reply.contains('\n') && !deadline.hasExpired()) {
        client.waitForReadyRead(200);
        reply += client.readAll();
    }
    ASSERT_EQ(reply, "RPRT 0\n");
    ASSERT_TRUE(keyedBecomes("1"));
    client.abort();  // gone without a word while transmitting
    EXPECT_TRUE(keyedBecomes("0"));
}

TEST_F(RigctlOverNetwork, ABrowsersRequestIsShutOutWithNothingDone) {
    ASSERT_EQ(rigctl({"F", "7074000"}).exitCode, 0);
    // What a web page's script can make a browser send to the port.
    QTcpSocket browser;
    browser.connectToHost(QHostAddress::LocalHost, s_port);
    ASSERT_TRUE(browser.waitForConnected(kCommandLimitMs));
    browser.write(
        "POST / HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: text/plain\r\n"
        "Content-Length: 16\r\n\r\nT 1\nF 3573000\n");
    QDeadlineTimer deadline(kCommandLimitMs);
    while (browser.state() != QAbstractSocket::UnconnectedState && !deadline.hasExpired()) {
        browser.waitForDisconnected(200);
    }
    EXPECT_EQ(browser.state(), QAbstractSocket::UnconnectedState);
    EXPECT_TRUE(browser.readAll().isEmpty());
    EXPECT_EQ(rigctl({"f", "t"}).output.toStdString(), "7074000\n0");
}

TEST(RigctlOverNetworkOff, WithBothLinksOffNothingListens) {
    tq::test::ensureCoreApplication();
    tq::test::ProgramProcess program(programWith({}));
    ASSERT_TRUE(program.ready() && program.startToMainLoop(kStartLimitMs))
        << program.output().toStdString();
    EXPECT_TRUE(listeningPorts(program.process().processId()).isEmpty());
    EXPECT_FALSE(program.output().contains(QStringLiteral("Network rig control")));
}

}  // namespace
