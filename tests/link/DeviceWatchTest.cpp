// Serial devices behind the names the port map holds: found again, named to
// the operator, and watched for while unplugged.
#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "link/DeviceWatch.h"
#include "link/PortFailure.h"
#include "link/QtSerialDeviceList.h"
#include "link/SerialDevice.h"
#include "support/CoreApplication.h"
#include "support/FakeSerialPort.h"
#include "support/QStringPrinter.h"
#include "support/TestClock.h"

namespace tq::link {
namespace {

/// The port's device is a by-id style link; making its target plugs the adapter in.
class LinkDeviceWatch : public ::testing::Test {
protected:
    LinkDeviceWatch() {
        test::ensureCoreApplication();
        QFile::link(m_target, m_byId);  // dangling until plugged in
        m_port.setDevicePath(m_byId);
    }

    void plugIn() { QFile(m_target).open(QIODevice::WriteOnly); }

    void reopen() {
        ++m_reopens;
        if (!m_failures.isEmpty()) {
            throw m_failures.takeFirst();
        }
        m_port.open();
    }

    QTemporaryDir m_dir;
    QString m_target = m_dir.filePath(QStringLiteral("ttyUSB1"));
    QString m_byId = m_dir.filePath(QStringLiteral("usb-FTDI_FT232R-if00-port0"));
    test::TestClock m_clock;
    FakeSerialPort m_port{m_clock};
    int m_reopens = 0;
    QList<PortFailure> m_failures;
    DeviceWatch m_watch{m_port, [this] { reopen(); }};
    QSignalSpy m_reopened{&m_watch, &DeviceWatch::portReopened};
    QSignalSpy m_failed{&m_watch, &DeviceWatch::reopenFailed};
};

TEST_F(LinkDeviceWatch, ReturningDeviceIsReopenedAfterFailuresReportedOncePerCause) {
    const PortFailure denied(PortFailure::kHardwareNotAvailable,
                             QStringLiteral("Permission denied: ") + m_target);
    const PortFailure vanished(PortFailure::kInvalidPortNumber, QStringLiteral("No such file"));
    m_failures = {denied, denied, vanished, denied, denied};
    m_watch.watch();
    EXPECT_EQ(m_watch.device(), m_byId) << "the name as given, not where it led";
    m_watch.poll();
    EXPECT_EQ(m_reopens, 0) << "a dangling by-id link is no device";

    plugIn();
    m_watch.poll();
    m_watch.poll();
    m_watch.poll();  // gone again between look and open: nothing to report
    ASSERT_EQ(m_failed.count(), 1);
    EXPECT_EQ(m_failed.at(0).at(0).toInt(), PortFailure::kHardwareNotAvailable);
    EXPECT_EQ(m_failed.at(0).at(1).toString(), denied.description());

    // Unplugged and plugged in again: the same failure is news once more.
    ASSERT_TRUE(QFile::remove(m_target));
    m_watch.poll();
    plugIn();
    m_watch.poll();
    m_watch.poll();
    EXPECT_EQ(m_failed.count(), 2);
    EXPECT_TRUE(m_reopened.isEmpty() && m_watch.isWatching() && !m_port.isOpen());

    m_watch.poll();
    EXPECT_EQ(m_reopened.count(), 1);
    EXPECT_TRUE(m_port.isOpen() && !m_watch.isWatching());
    m_watch.poll();
    EXPECT_EQ(m_reopens, 6) << "done watching";
}

TEST(LinkSerialDevice, IsFoundBehindItsStableNameAndAnyLinkAndNamedWithoutRepeats) {
    QTemporaryDir dir;
    const QString device = dir.filePath(QStringLiteral("ttyUSB0"));
    const QString other = dir.filePath(QStringLiteral("ttyUSB1"));
    QFile(device).open(QIODevice::WriteOnly);
    const QString byId = dir.filePath(QStringLiteral("by-id"));
    ASSERT_TRUE(QDir().mkpath(byId));
    const QString stable = byId + QStringLiteral("/usb-FTDI_FT232R_A600-if00-port0");
    ASSERT_TRUE(QFile::link(device, stable));
    QFile(byId + QStringLiteral("/not-a-link")).open(QIODevice::WriteOnly);
    const QString ownLink = dir.filePath(QStringLiteral("radio"));
    ASSERT_TRUE(QFile::link(stable, ownLink));

    EXPECT_EQ(QtSerialDeviceList::stableNameOf(device, byId), stable);
    EXPECT_EQ(QtSerialDeviceList::stableNameOf(other, byId), QString());
    const SerialDevice listed{QStringLiteral("ttyUSB0"), device, stable,
                              QStringLiteral("Prolific PL2303"), QStringLiteral("prolific")};
    EXPECT_EQ(listed.path(), stable) << "the name that survives re-plugging";
    for (const QString& path : {device, stable, ownLink}) {
        EXPECT_TRUE(listed.isNamedBy(path)) << path.toStdString();
    }
    EXPECT_FALSE(listed.isNamedBy(other));
    EXPECT_FALSE(listed.isNamedBy(QString()));
    EXPECT_EQ(listed.label(), QStringLiteral("ttyUSB0: Prolific PL2303")) << "its maker once";
}

}  // namespace
}  // namespace tq::link
