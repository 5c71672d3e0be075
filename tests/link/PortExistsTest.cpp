#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "link/PortExists.h"
#include "link/QtSerialPort.h"
#include "support/CoreApplication.h"
#include "support/CurrentDirectory.h"
#include "support/PtyPair.h"
#include "support/TestClock.h"

namespace tq::link {
namespace {

TEST(LinkPortExists, OnlyATerminalThatNoLiveProgramHoldsIsAPort) {
    tq::test::ensureCoreApplication();
    QTemporaryDir dir;
    const CurrentDirectory current(dir.path());
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    QFile(QStringLiteral("plain")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(pty.slaveName(), QStringLiteral("radio-link")));
    QFile map(QStringLiteral("SerialPorts.txt"));
    ASSERT_TRUE(map.open(QIODevice::WriteOnly));
    map.write(QStringLiteral("# the simulator\n0 %1\n3 %1\n4 %2\n2 %3\n9 /nonexistent/ttyUSB9\n"
                             "10 %4\n11 %5\n")
                  .arg(pty.slaveName(), dir.filePath(QStringLiteral("radio-link")),
                       dir.filePath(QStringLiteral("plain")), dir.filePath(QStringLiteral("gone")),
                       dir.path() + u'/')
                  .toUtf8());
    map.close();
    const auto expectPorts = [](std::initializer_list<std::pair<int, bool>> ports,
                                const char* when) {
        for (const auto& [number, exists] : ports) {
            EXPECT_EQ(PortExists(number), exists) << "port " << number << ' ' << when;
        }
    };
    // 5 is unmapped: /dev/ttyS4, absent here.
    expectPorts({{-32768, false},
                 {-1, false},
                 {0, false},
                 {2, false},
                 {3, true},
                 {4, true},
                 {5, false},
                 {9, false},
                 {10, false},
                 {11, false}},
                "mapped");

    test::TestClock clock;
    QtSerialPort port(clock);
    port.setPortNumber(3);
    port.open();
    ASSERT_TRUE(port.isOpen());
    expectPorts({{3, false}, {4, false}}, "while this program holds it, under either name");
    port.close();
    expectPorts({{3, true}, {4, true}}, "once closed");

    // Lock files as Qt writes them (pid, program, host), in the temporary
    // directory where Qt may keep its serial port locks.
    QFile lock(QDir::tempPath() + QStringLiteral("/LCK..") +
               pty.slaveName().mid(5).replace(u'/', u'_'));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("1\nother-program\n\n");  // process 1 is always alive
    lock.close();
    expectPorts({{3, false}}, "locked by a live program");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.write("2147483646\ndead-program\n\n");
    lock.close();
    expectPorts({{3, true}}, "locked by a dead program");
    lock.remove();

    pty.closeMaster();
    expectPorts({{3, false}, {4, false}}, "with the far end gone");
}

}  // namespace
}  // namespace tq::link
