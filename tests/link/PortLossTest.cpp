// The radio port against the real tq5820-sim behind a stable link path: the
// simulator ending is one device loss, and the port comes back on its own
// when a simulator serves the same path again.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <vector>

#include "QStringPrinter.h"
#include "RecordingIndicators.h"
#include "link/DeviceWatch.h"
#include "link/PortFailure.h"
#include "link/QtSerialPort.h"
#include "link/RadioPort.h"
#include "support/CoreApplication.h"
#include "support/SimProcess.h"
#include "support/TestClock.h"

namespace tq::link {
namespace {

// Only keeps a broken build from hanging; never a statement about speed.
constexpr int kGuardMs = 10000;

class LinkPortLoss : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_linkPath = m_dir.filePath(QStringLiteral("radio"));
        QFile map(m_dir.filePath(QString::fromLatin1(PortMap::kFileName)));
        ASSERT_TRUE(map.open(QIODevice::WriteOnly));
        map.write(QStringLiteral("1 %1\n").arg(m_linkPath).toUtf8());
        map.close();
        startSimulator();
        m_setup.RadioPortNumber = QStringLiteral("1");
        m_port.setEventHandler([this](int code) {
            m_events.push_back(code);
            m_radio.MSComm1_OnComm();
            m_eventLoop.quit();
        });
    }

    void startSimulator() {
        m_sim = std::make_unique<test::SimProcess>(m_linkPath, QStringList{});
        ASSERT_FALSE(m_sim->devicePath().isEmpty()) << "tq5820-sim did not start";
    }

    /// Handles events until the port raises one, or for the given time
    /// when it raises none.
    void runEventsUntilPortEvent(int maxMs) {
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, &m_eventLoop, &QEventLoop::quit);
        limit.start(maxMs);
        m_eventLoop.exec();
    }

    /// A status request as the link sends it; the radio answers with its
    /// whole status, the frequency line among it.
    QString askStatus() {
        m_port.write(QStringLiteral("?\n"));
        QString reply;
        while (!reply.contains(QStringLiteral("F1420000")) && m_port.waitForReadyRead(2.0)) {
            reply += m_port.readAll();
        }
        return reply + m_port.readAll();
    }

    QTemporaryDir m_dir;
    QString m_linkPath;
    std::unique_ptr<test::SimProcess> m_sim;
    test::TestClock m_clock;
    QtSerialPort m_port{m_clock, PortMap(m_dir.path())};
    RecordingIndicators m_indicators;
    RadioPortSetup m_setup;
    RadioLinkFlags m_flags;
    RadioPort m_radio{m_port, m_clock, m_indicators, m_setup, m_flags};
    QEventLoop m_eventLoop;
    std::vector<int> m_events;
};

TEST_F(LinkPortLoss, SimulatorEndingIsOneLossAndTheSamePathServedAgainIsReopened) {
    ASSERT_TRUE(m_radio.SetUpRadioPort());
    ASSERT_TRUE(askStatus().contains(QStringLiteral("F1420000")));

    ASSERT_TRUE(m_sim->stop());
    runEventsUntilPortEvent(kGuardMs);
    // Several line checks' worth more: nothing further may come of it.
    runEventsUntilPortEvent(3 * QtSerialPort::kLineCheckIntervalMs);
    EXPECT_EQ(m_events, std::vector<int>{CommEvent::kDeviceLost});
    EXPECT_FALSE(m_port.isOpen());
    EXPECT_TRUE(m_flags.PortLost);
    EXPECT_EQ(m_indicators.comStat(), RadioPort::waitingCaption(m_linkPath))
        << "named as the operator named it, not as the pseudo-terminal it led to";
    try {
        m_port.bytesToRead();
        ADD_FAILURE() << "a lost port reads nothing";
    } catch (const PortFailure& failure) {
        EXPECT_EQ(failure.number(), PortFailure::kPortNotOpen);
    }

    DeviceWatch watch(m_port, [this] { m_radio.SetUpRadioPort(); });
    QSignalSpy reopened(&watch, &DeviceWatch::portReopened);
    QSignalSpy failed(&watch, &DeviceWatch::reopenFailed);
    watch.watch();
    EXPECT_EQ(watch.device(), m_linkPath);
    watch.poll();
    EXPECT_FALSE(m_port.isOpen()) << "nothing there yet";

    startSimulator();
    ASSERT_TRUE(reopened.wait(kGuardMs));
    EXPECT_TRUE(m_port.isOpen());
    EXPECT_EQ(failed.count(), 0);
    EXPECT_TRUE(askStatus().contains(QStringLiteral("F1420000")));
    EXPECT_EQ(m_events, std::vector<int>{CommEvent::kDeviceLost});
}

}  // namespace
}  // namespace tq::link
