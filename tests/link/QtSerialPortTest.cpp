// The serial port on a pseudo-terminal: text both ways and its decoding,
// events, failures, and which ports count as there to be opened.
#include <gtest/gtest.h>
#include <termios.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <vector>

#include "link/ParityMarkDecoder.h"
#include "link/PortExists.h"
#include "link/PortFailure.h"
#include "link/QtSerialPort.h"
#include "support/CoreApplication.h"
#include "support/CurrentDirectory.h"
#include "support/PtyPair.h"
#include "support/QStringPrinter.h"
#include "support/TestClock.h"

namespace tq::link {
namespace {

// Only keeps a broken build from hanging; never a statement about speed.
constexpr int kGuardMs = 5000;

/// The program's port on a pseudo-terminal mapped as port 1; the radio's end is the test's.
class LinkQtSerialPort : public ::testing::Test {
protected:
    void SetUp() override {
        tq::test::ensureCoreApplication();
        ASSERT_TRUE(m_pty.ok());
        const QString link = m_dir.filePath(QStringLiteral("radio-link"));
        ASSERT_TRUE(QFile::link(m_pty.slaveName(), link));
        QFile(m_dir.filePath(QStringLiteral("plain"))).open(QIODevice::WriteOnly);
        QFile map(m_dir.filePath(QStringLiteral("SerialPorts.txt")));
        ASSERT_TRUE(map.open(QIODevice::WriteOnly));
        map.write(QStringLiteral("1 %1\n2 /nonexistent/ttyUSB7\n3 %2\n4 %3/plain\n5 %3/\n0 %1\n")
                      .arg(m_pty.slaveName(), link, m_dir.path())
                      .toUtf8());
        map.close();
        m_port = std::make_unique<QtSerialPort>(m_clock, PortMap(m_dir.path()));
        m_port->setEventHandler([this](int code) {
            EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
            m_events.push_back(code);
        });
        m_port->setPortNumber(1);
        m_port->setSettings(QStringLiteral("9600 ,O,7,1"));
        m_port->setHandshaking(Handshaking::RtsCts);
        m_port->setRts(true);
    }

    /// Reads until the text has the given length, waiting on the port
    /// without an event loop, as the reply wait does.
    QString readText(int length) {
        QString text;
        for (int i = 0; i < 50 && text.size() < length; ++i) {
            if (m_port->bytesToRead() == 0) {
                m_port->waitForReadyRead(0.2);
            }
            text += m_port->readAll();
        }
        return text;
    }

    bool serveUntil(const std::function<bool()>& done) {
        return tq::test::serveEventsUntil(done, kGuardMs);
    }
    /// Handles events for a while, as the main loop does between passes.
    void serveFor(int ms) {
        tq::test::serveEventsUntil([] { return false; }, ms);
    }

    test::TestClock m_clock;
    PtyPair m_pty;
    QTemporaryDir m_dir;
    std::unique_ptr<QtSerialPort> m_port;
    std::vector<int> m_events;
};

TEST_F(LinkQtSerialPort, TextGoesOutAndComesBackSevenBitWithoutNulsAndInputCanBeDropped) {
    m_port->open();
    ASSERT_TRUE(m_port->isOpen());
    EXPECT_EQ(m_port->deviceName(), m_pty.slaveName());

    m_port->write(QStringLiteral("?\n"));
    // No event loop ran: write alone must have sent the bytes.
    EXPECT_EQ(m_pty.receive(2), QByteArray("?\n"));
    EXPECT_EQ(m_port->bytesToWrite(), 0);

    m_pty.send("F1420000\r\nM1\r\n");
    EXPECT_EQ(readText(14), QStringLiteral("F1420000\r\nM1\r\n"));
    EXPECT_EQ(m_port->bytesToRead(), 0);

    // 0xFF arrives doubled (a literal under marking) and reads as one 0x7F.
    m_pty.send(QByteArray("\0R\xB1\0\r\xFF\x8A", 7));
    EXPECT_EQ(readText(4), QString::fromLatin1("R1\r\x7F\n"));

    m_pty.send("junk");
    ASSERT_TRUE(serveUntil([this] { return m_port->bytesToRead() > 0; }));
    m_pty.send("more");
    m_port->discardInput();
    EXPECT_EQ(m_port->bytesToRead(), 0);
    m_pty.send("R0\r\n");
    EXPECT_EQ(readText(4), QStringLiteral("R0\r\n"));
    EXPECT_TRUE(m_events.empty());

    // The terminal marks line errors after the open and after every new setting.
    const auto expectMarking = [this](const char* when) {
        termios attributes{};
        tcgetattr(m_pty.slaveFd(), &attributes);
        EXPECT_EQ(attributes.c_iflag & (INPCK | PARMRK | IGNPAR | ISTRIP | IGNBRK | BRKINT),
                  tcflag_t(INPCK | PARMRK))
            << when;
    };
    expectMarking("after open");
    m_port->setSettings(QStringLiteral("4800,N,8,1"));
    expectMarking("after a parity change");
    m_port->setHandshaking(Handshaking::None);
    expectMarking("after a handshaking change");
}

TEST_F(LinkQtSerialPort, BytesTheEventLoopFetchedAreWaitingNotNewAndTheThresholdRaisesOneEvent) {
    m_port->open();
    m_port->setBufferOptions({.receiveThreshold = 3});
    m_pty.send("F");
    ASSERT_TRUE(serveUntil([this] { return m_port->bytesToRead() == 1; }));
    // Nothing new arrives: the wait times out instead of counting old bytes.
    EXPECT_FALSE(m_port->waitForReadyRead(0.05));
    serveFor(20);
    EXPECT_TRUE(m_events.empty()) << "below the threshold, and a timed-out wait is no error";

    m_pty.send("A;");
    ASSERT_TRUE(serveUntil([this] { return !m_events.empty(); }));
    serveFor(20);
    EXPECT_EQ(m_events, std::vector<int>{CommEvent::kReceiveThreshold});
    EXPECT_EQ(m_port->lastEvent(), CommEvent::kReceiveThreshold);
    EXPECT_EQ(m_port->readAll(), QStringLiteral("FA;"));
}

TEST_F(LinkQtSerialPort, FullReceiveBufferLosesTheRestAndSaysSo) {
    m_port->open();
    m_port->setBufferOptions({.receiveBufferSize = 64});
    m_pty.send(QByteArray(200, 'X'));
    ASSERT_TRUE(serveUntil([this] { return m_port->bytesToRead() == 64; }));
    serveFor(50);
    EXPECT_EQ(m_port->bytesToRead(), 64);
    EXPECT_NE(std::find(m_events.begin(), m_events.end(), CommEvent::kReceiveOverflow),
              m_events.end());
    // Reading makes room again.
    EXPECT_EQ(m_port->readAll(), QString(64, u'X'));
    m_pty.send("F1420000\n");
    EXPECT_TRUE(readText(9).endsWith(QStringLiteral("F1420000\n")));
}

TEST_F(LinkQtSerialPort, HangUpDuringAReplyWaitNeitherSpinsNorReportsUntilEventsRun) {
    m_port->open();
    m_pty.closeMaster();
    // The reply wait runs without an event loop and asks again and again; a
    // lost line must make each wait take its time instead of returning early.
    for (int waits = 0; waits < 3; ++waits) {
        EXPECT_FALSE(m_port->waitForReadyRead(0.8));
        EXPECT_EQ(m_port->bytesToRead(), 0);
    }
    EXPECT_GT(m_clock.elapsedTotal(), 3 * 0.8 - 0.1) << "later waits sleep in virtual time";
    EXPECT_NO_THROW(m_port->write(QStringLiteral("?\n")));
    EXPECT_TRUE(m_events.empty()) << "events are delivered by the event loop, never inside a wait";

    // Once events run, the loss is reported once and the port closed; a
    // line check after the close adds nothing.
    ASSERT_TRUE(serveUntil([this] { return !m_port->isOpen(); }));
    serveFor(QtSerialPort::kLineCheckIntervalMs + 100);
    EXPECT_EQ(m_events, std::vector<int>{CommEvent::kDeviceLost});
    EXPECT_THROW(m_port->bytesToRead(), PortFailure);
}

TEST_F(LinkQtSerialPort, OpenFailuresCarryTheirNumbersAndSayWhy) {
    const auto failureOf = [](SerialPort& port) -> std::pair<int, QString> {
        try {
            port.open();
        } catch (const PortFailure& failure) {
            return {failure.number(), failure.description()};
        }
        return {0, {}};
    };
    m_port->setPortNumber(2);  // mapped to a device that is not there
    EXPECT_EQ(failureOf(*m_port).first, PortFailure::kInvalidPortNumber);
    EXPECT_FALSE(m_port->isOpen());

    m_port->setPortNumber(1);
    m_port->open();
    QtSerialPort second(m_clock, PortMap(m_dir.path()));
    second.setPortNumber(1);
    EXPECT_EQ(failureOf(second),
              std::make_pair(PortFailure::kHardwareNotAvailable,
                             QStringLiteral("In use by another program: %1. Close that program "
                                            "or choose another port.")
                                 .arg(m_pty.slaveName())));
    EXPECT_FALSE(second.isOpen());
}

TEST_F(LinkQtSerialPort, OnlyATerminalThatNoLiveProgramHoldsIsAPort) {
    const CurrentDirectory current(m_dir.path());
    const auto expectPorts = [](const QList<int>& ports, bool exist, const char* when) {
        for (const int number : ports) {
            EXPECT_EQ(PortExists(number), exist) << "port " << number << ' ' << when;
        }
    };
    // 6 is unmapped: /dev/ttyS5, absent here.
    expectPorts({1, 3}, true, "mapped");
    expectPorts({-32768, -1, 0, 2, 4, 5, 6}, false, "mapped");
    m_port->open();
    expectPorts({1, 3}, false, "while this program holds it, under either name");
    m_port->close();
    expectPorts({1, 3}, true, "once closed");

    // Lock files as Qt writes them (pid, program, host), in the temporary
    // directory where Qt may keep its serial port locks.
    QFile lock(QDir::tempPath() + QStringLiteral("/LCK..") +
               m_pty.slaveName().mid(5).replace(u'/', u'_'));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("1\nother-program\n\n");  // process 1 is always alive
    lock.close();
    expectPorts({1}, false, "locked by a live program");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.write("2147483646\ndead-program\n\n");
    lock.close();
    expectPorts({1}, true, "locked by a dead program");
    lock.remove();

    m_pty.closeMaster();
    expectPorts({1, 3}, false, "with the far end gone");
}

constexpr int P = CommEvent::kParityError;
constexpr int B = CommEvent::kBreak;

// The table writes 0xFF as '#', NUL as '_', DEL as '@' and the end of a read as '|'.
QByteArray spelled(const char* text) {
    QByteArray bytes(text);
    return bytes.replace('#', '\xFF').replace('_', '\0').replace('@', '\x7F');
}

TEST(LinkParityMarkDecoder, MarkedBytesBecomeTextAndEventsEvenWhenSplitAcrossReads) {
    // Plain text, a doubled FF, NULs and the eighth bit: the pseudo-terminal test above.
    const struct {
        const char* what;
        const char* reads;
        const char* text;
        std::vector<int> events = {};
        bool marks = true;
        bool discardNull = true;
        QChar replacement = u':';
        bool toggleMarks = false;  // off and on again between reads
    } cases[] = {
        {"error byte replaced", "M#_x2", "M:2", {P}},
        {"error byte kept", "#_\xC1", "A", {P}, true, true, QChar()},
        {"breaks add no text", "a#__b#__", "ab", {B, B}},
        {"error over three reads", "1#|_|q2", "1:2", {P}},
        {"literal FF over two reads", "#|#z", "@z"},
        {"break over two reads", "#_|_", "", {B}},
        {"NULs kept", "a_b", "a_b", {}, true, false},
        {"FF before no mark keeps both", "#A", "@A"},
        {"toggling forgets a half-read mark", "#|A", "A", {}, true, true, u':', true},
        {"unmarked stream", "#__A", "@A", {}, false},
    };
    for (const auto& c : cases) {
        ParityMarkDecoder decoder;
        decoder.setMarksEnabled(c.marks);
        decoder.setDiscardNull(c.discardNull);
        decoder.setParityReplacement(c.replacement);
        QString text;
        std::vector<int> events;
        for (const QByteArray& read : spelled(c.reads).split('|')) {
            const auto out = decoder.decode(read);
            if (c.toggleMarks) {
                decoder.setMarksEnabled(false);
                decoder.setMarksEnabled(true);
            }
            text += out.text;
            events.insert(events.end(), out.events.begin(), out.events.end());
        }
        EXPECT_EQ(text, QString::fromLatin1(spelled(c.text))) << c.what;
        EXPECT_EQ(events, c.events) << c.what;
    }
}

}  // namespace
}  // namespace tq::link
