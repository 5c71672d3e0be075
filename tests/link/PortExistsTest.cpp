#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "CurrentDirectory.h"
#include "PtyPair.h"
#include "QStringPrinter.h"
#include "link/PortExists.h"
#include "link/QtSerialPort.h"
#include "support/CoreApplication.h"
#include "support/TestClock.h"

namespace tq::link {
namespace {

/// A data directory whose SerialPorts.txt maps port numbers to devices, made
/// the current directory as the program runs in it.
class LinkPortExists : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_current = std::make_unique<CurrentDirectory>(m_dir.path());
    }

    void mapPorts(const QString& lines) {
        QFile file(QStringLiteral("SerialPorts.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(lines.toUtf8());
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CurrentDirectory> m_current;
};

TEST_F(LinkPortExists, NumbersBelowOneNeverExist) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    // Even a file that maps them to a real device does not make them ports.
    mapPorts(QStringLiteral("0 %1\n").arg(pty.slaveName()));
    EXPECT_FALSE(PortExists(0));
    EXPECT_FALSE(PortExists(-1));
    EXPECT_FALSE(PortExists(-32768));
}

TEST_F(LinkPortExists, MissingDeviceIsAbsent) {
    mapPorts(QStringLiteral("9 /nonexistent/ttyUSB9\n10 %1\n").arg(path(QStringLiteral("gone"))));
    EXPECT_FALSE(PortExists(9));
    EXPECT_FALSE(PortExists(10));
}

TEST_F(LinkPortExists, AnOrdinaryFileIsNoPort) {
    QFile plain(path(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    mapPorts(QStringLiteral("2 %1\n3 %2\n").arg(plain.fileName(), path(QString())));
    EXPECT_FALSE(PortExists(2));
    EXPECT_FALSE(PortExists(3));
}

TEST_F(LinkPortExists, PseudoTerminalNamedInTheMapExistsAndVanishesWithItsMaster) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const QString link = path(QStringLiteral("radio-link"));
    ASSERT_TRUE(QFile::link(pty.slaveName(), link));
    mapPorts(QStringLiteral("# the simulator\n3 %1\n4 %2\n").arg(pty.slaveName(), link));

    EXPECT_TRUE(PortExists(3));
    EXPECT_TRUE(PortExists(4));
    EXPECT_FALSE(PortExists(5)) << "unmapped 5 is /dev/ttyS4, absent here";

    pty.closeMaster();
    EXPECT_FALSE(PortExists(3));
    EXPECT_FALSE(PortExists(4));
}

TEST_F(LinkPortExists, PortHeldOpenByThisProgramCountsAsAbsent) {
    tq::test::ensureCoreApplication();
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const QString link = path(QStringLiteral("radio-link"));
    ASSERT_TRUE(QFile::link(pty.slaveName(), link));
    mapPorts(QStringLiteral("3 %1\n4 %2\n").arg(pty.slaveName(), link));

    test::TestClock clock;
    QtSerialPort port(clock);
    port.setPortNumber(3);
    port.open();
    ASSERT_TRUE(port.isOpen());
    EXPECT_FALSE(PortExists(3));
    EXPECT_FALSE(PortExists(4)) << "the same device under another name";

    port.close();
    EXPECT_TRUE(PortExists(3));
    EXPECT_TRUE(PortExists(4));
}

TEST_F(LinkPortExists, LockOfAnotherLiveProgramMakesThePortAbsentAndADeadOnesDoesNot) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    mapPorts(QStringLiteral("3 %1\n").arg(pty.slaveName()));
    // Lock files as Qt writes them (pid, program, host), in the temporary
    // directory where Qt may keep its serial port locks.
    const QString lockName = QStringLiteral("LCK..") + pty.slaveName().mid(5).replace(u'/', u'_');
    QFile lock(QDir::tempPath() + u'/' + lockName);

    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("1\nother-program\n\n");  // process 1 is always alive
    lock.close();
    EXPECT_FALSE(PortExists(3));

    ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.write("2147483646\ndead-program\n\n");
    lock.close();
    EXPECT_TRUE(PortExists(3));
    lock.remove();
}

}  // namespace
}  // namespace tq::link
