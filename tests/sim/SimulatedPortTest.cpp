// The in-process port: replies arrive a reply delay after the command on
// the port's clock, and waits run in the clock's (here virtual) time.

#include <gtest/gtest.h>

#include <vector>

#include "link/PortFailure.h"
#include "sim/SimulatedPort.h"
#include "support/TestClock.h"

namespace tq::sim::test {
namespace {

using link::CommEvent::kBreak;
using link::CommEvent::kDsrChanged;
using link::CommEvent::kReceiveOverflow;

class SimulatedPortTest : public ::testing::Test {
protected:
    explicit SimulatedPortTest(double start = 12 * 3600.0, RadioOptions options = {})
        : m_clock(start), m_port(m_clock, options) {
        m_port.setEventHandler([this](int code) { m_events.push_back(code); });
        m_port.open();
    }

    tq::test::TestClock m_clock;
    SimulatedPort m_port;
    std::vector<int> m_events;
};

TEST_F(SimulatedPortTest, ReplyIsNotReadableBeforeTheDelay) {
    m_port.write(QStringLiteral("G12\n"));
    EXPECT_EQ(m_port.bytesToRead(), 0);
    m_clock.advance(SimulatedPort::kDefaultReplyDelay * 0.9);
    EXPECT_EQ(m_port.bytesToRead(), 0);
    m_clock.advance(SimulatedPort::kDefaultReplyDelay * 0.1);
    EXPECT_EQ(m_port.readAll(), QStringLiteral("G12\n"));
    EXPECT_EQ(m_port.bytesToRead(), 0);
}

TEST_F(SimulatedPortTest, WaitJumpsTheClockToTheDelivery) {
    m_port.setReplyDelay(0.05);
    m_port.write(QStringLiteral("?\n"));
    EXPECT_TRUE(m_port.waitForReadyRead(0.8));
    EXPECT_NEAR(m_clock.elapsedTotal(), 0.05, 1e-5);
    EXPECT_TRUE(m_port.readAll().endsWith(QStringLiteral("#\n.\n")));
}

TEST_F(SimulatedPortTest, WaitWithNothingComingEndsAtItsLimit) {
    EXPECT_FALSE(m_port.waitForReadyRead(0.8));
    EXPECT_NEAR(m_clock.elapsedTotal(), 0.8, 1e-5);
    // Slept, not spun.
    EXPECT_LT(m_clock.waitCount(), 5);
}

TEST_F(SimulatedPortTest, WaitCountsOnlyBytesNotYetSeen) {
    m_port.write(QStringLiteral("K"));
    m_clock.advance(0.1);
    ASSERT_GT(m_port.bytesToRead(), 0);
    // Already waiting bytes are not news; the wait runs to its end.
    EXPECT_FALSE(m_port.waitForReadyRead(0.3));
    EXPECT_NEAR(m_clock.elapsedTotal(), 0.4, 1e-5);
}

TEST_F(SimulatedPortTest, AmplifierWarmUpArrivesInVirtualTime) {
    m_port.write(QStringLiteral("O2\n"));
    ASSERT_TRUE(m_port.waitForReadyRead(1.0));
    EXPECT_EQ(m_port.readAll(), QStringLiteral("O2\n"));
    ASSERT_TRUE(m_port.waitForReadyRead(30.0));
    EXPECT_EQ(m_port.readAll(), QStringLiteral("O3\n"));
    // Warm-up from the command, plus the reply delay.
    EXPECT_NEAR(m_clock.elapsedTotal(), 5.0 + SimulatedPort::kDefaultReplyDelay, 1e-6);
}

TEST_F(SimulatedPortTest, PulledDeviceClosesReportsItsLossOnceAndComesBackWhenPluggedIn) {
    m_port.write(QStringLiteral("K"));
    m_port.unplug();
    EXPECT_FALSE(m_port.isOpen());
    EXPECT_EQ(m_events, std::vector<int>{link::CommEvent::kDeviceLost});
    EXPECT_FALSE(m_port.deviceIsThere(m_port.deviceName()));
    EXPECT_THROW(m_port.open(), link::PortFailure);
    m_port.unplug();
    EXPECT_EQ(m_events.size(), 1u) << "a device already gone is not lost again";

    m_port.plugIn();
    EXPECT_TRUE(m_port.deviceIsThere(m_port.deviceName()));
    m_port.open();
    EXPECT_TRUE(m_port.radio().settings().keyed()) << "the radio ran on by itself";
    m_clock.advance(0.1);
    EXPECT_EQ(m_port.bytesToRead(), 0) << "what it said meanwhile is gone";
}

class SimulatedPortAtMidnight : public SimulatedPortTest {
protected:
    SimulatedPortAtMidnight() : SimulatedPortTest(86400.0 - 0.01) {}
};

TEST_F(SimulatedPortAtMidnight, ReplyAcrossMidnightArrivesOnTime) {
    m_port.write(QStringLiteral("?\n"));
    EXPECT_TRUE(m_port.waitForReadyRead(0.8));
    EXPECT_NEAR(m_clock.elapsedTotal(), SimulatedPort::kDefaultReplyDelay, 1e-6);
    EXPECT_LT(m_clock.now(), 1.0);
}

TEST_F(SimulatedPortAtMidnight, SilentWaitAcrossMidnightEnds) {
    EXPECT_FALSE(m_port.waitForReadyRead(0.8));
    EXPECT_NEAR(m_clock.elapsedTotal(), 0.8, 1e-6);
}

}  // namespace
}  // namespace tq::sim::test
