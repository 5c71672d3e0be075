#pragma once

#include <QString>
#include <algorithm>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "link/PortFailure.h"
#include "link/SerialPort.h"
#include "support/TestClock.h"

namespace tq::test {

/// A serial port whose incoming bytes follow a script in virtual time, and
/// which records every write with the virtual time it happened at. The reply
/// wait jumps the test clock to the next scripted arrival.
class ScriptedPort : public link::SerialPort {
public:
    struct Write {
        double at;  // seconds since the clock was made
        QString text;
    };

    explicit ScriptedPort(tq::test::TestClock& clock) : m_clock(clock) {}

    /// Bytes that become readable delaySeconds from now.
    void arriveAfter(double delaySeconds, const QString& text) {
        const double at = m_clock.elapsedTotal() + delaySeconds;
        auto it = m_pending.begin();
        while (it != m_pending.end() && it->first <= at)
            ++it;
        m_pending.insert(it, {at, text});
    }

    /// Every write is answered by calling this, which may script arrivals.
    std::function<void(const QString&)> onWrite;

    std::vector<Write> writes;
    int stuckOutgoingBytes = 0;
    bool failOpen = false;
    int waitCalls = 0;

    bool isOpen() const override { return m_open; }
    QString buffered() const { return m_buffer; }

protected:
    void doOpen() override {
        if (failOpen) {
            throw link::PortFailure(link::PortFailure::kHardwareNotAvailable,
                                    QStringLiteral("The hardware is not available"));
        }
        m_open = true;
    }
    void doClose() override { m_open = false; }
    int doBytesToRead() override {
        takeArrivals();
        return static_cast<int>(m_buffer.size());
    }
    void doDiscardInput() override {
        takeArrivals();
        m_buffer.clear();
    }
    QString doReadAll() override {
        takeArrivals();
        return std::exchange(m_buffer, QString());
    }
    void doWrite(const QString& text) override {
        writes.push_back({m_clock.elapsedTotal(), text});
        if (onWrite)
            onWrite(text);
    }
    int doBytesToWrite() override { return stuckOutgoingBytes; }
    bool doDsr() override { return false; }
    bool doCts() override { return false; }
    bool doCd() override { return false; }
    bool doWaitForReadyRead(double maxSeconds) override {
        ++waitCalls;
        takeArrivals();
        const double now = m_clock.elapsedTotal();
        if (!m_pending.empty() && m_pending.front().first <= now + maxSeconds + kTolerance) {
            m_clock.sleep(std::max(0.0, m_pending.front().first - now));
            takeArrivals();
            return true;
        }
        m_clock.sleep(maxSeconds);
        return false;
    }

private:
    // Virtual time is kept in whole microseconds.
    static constexpr double kTolerance = 1e-7;

    void takeArrivals() {
        while (!m_pending.empty() &&
               m_pending.front().first <= m_clock.elapsedTotal() + kTolerance) {
            m_buffer += m_pending.front().second;
            m_pending.pop_front();
        }
    }

    tq::test::TestClock& m_clock;
    std::deque<std::pair<double, QString>> m_pending;
    QString m_buffer;
    bool m_open = false;
};

}  // namespace tq::test
