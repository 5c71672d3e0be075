// The in-process port: replies arrive a reply delay after the command on
// the port's clock, and waits run in the clock's (here virtual) time.
#include <gtest/gtest.h>

#include "sim/SimulatedPort.h"
#include "support/TestClock.h"

namespace tq::sim::test {
namespace {

class SimulatedPortTest : public ::testing::Test {
protected:
    explicit SimulatedPortTest(double start = 12 * 3600.0) : m_clock(start), m_port(m_clock, {}) {
        m_port.open();
    }

    tq::test::TestClock m_clock;
    SimulatedPort m_port;
};

TEST_F(SimulatedPortTest, ReplyIsReadableOnlyAfterTheDelay) {
    m_port.write(QStringLiteral("G12\n"));
    m_clock.advance(SimulatedPort::kDefaultReplyDelay * 0.9);
    EXPECT_EQ(m_port.bytesToRead(), 0);
    m_clock.advance(SimulatedPort::kDefaultReplyDelay * 0.1);
    EXPECT_EQ(m_port.readAll(), QStringLiteral("G12\n"));
    EXPECT_EQ(m_port.bytesToRead(), 0);
}

TEST_F(SimulatedPortTest, WaitEndsAtItsLimitWhenNothingNewComesAndSleepsMeanwhile) {
    m_port.write(QStringLiteral("K"));
    m_clock.advance(0.1);
    ASSERT_GT(m_port.bytesToRead(), 0);
    // Bytes already waiting are not news; the wait runs to its end.
    EXPECT_FALSE(m_port.waitForReadyRead(0.8));
    EXPECT_NEAR(m_clock.elapsedTotal(), 0.9, 1e-5);
    EXPECT_LT(m_clock.waitCount(), 5);
}

struct SimulatedPortAtMidnight : SimulatedPortTest {
    SimulatedPortAtMidnight() : SimulatedPortTest(86400.0 - 0.01) {}
};

TEST_F(SimulatedPortAtMidnight, AWaitJumpsToTheReplyAndASilentOneEndsAtItsLimitAcrossMidnight) {
    m_port.write(QStringLiteral("?\n"));
    EXPECT_TRUE(m_port.waitForReadyRead(0.8));
    EXPECT_NEAR(m_clock.elapsedTotal(), SimulatedPort::kDefaultReplyDelay, 1e-6);
    EXPECT_LT(m_clock.now(), 1.0);
    m_port.readAll();
    EXPECT_FALSE(m_port.waitForReadyRead(0.8));
    EXPECT_NEAR(m_clock.elapsedTotal(), SimulatedPort::kDefaultReplyDelay + 0.8, 1e-6);
}

}  // namespace
}  // namespace tq::sim::test
