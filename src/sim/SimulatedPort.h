#pragma once

#include <QByteArray>
#include <map>

#include "link/Clock.h"
#include "link/SerialPort.h"
#include "sim/RadioSimulator.h"

namespace tq::sim {

/// A serial port with the simulated radio on the other end, in-process.
///
/// What the program writes reaches the radio at once, at the current clock
/// time; the radio's replies become readable a reply delay later, measured on
/// the same clock, so a TestClock runs whole exchanges in virtual time. The
/// radio's timed changes (amplifier warm-up and tune) happen as the clock
/// passes them. Waiting for input sleeps on the clock up to the next
/// delivery: virtual time with a TestClock, real sleeping with the system
/// clock.
///
/// The test hooks stand in for what a real line does by itself: input lines
/// (DSR, CTS, CD) that change and raise their event, line errors, a transmit
/// queue that does not drain, stray bytes, and a device that is not there.
/// Events are raised straight from the hook, on the caller's thread.
class SimulatedPort final : public link::SerialPort {
public:
    static constexpr double kDefaultReplyDelay = 0.02;

    explicit SimulatedPort(link::Clock& clock, const RadioOptions& options = {});

    RadioSimulator& radio() { return m_radio; }

    void setReplyDelay(double seconds) { m_replyDelay = seconds; }
    double replyDelay() const { return m_replyDelay; }

    /// A missing device: open() fails with PortFailure.
    void setMissing(bool missing) { m_missing = missing; }
    /// The device goes away while open, as a pulled adapter does: the port
    /// closes itself, then raises CommEvent::kDeviceLost once; the device
    /// stays missing until plugIn(). The radio itself runs on.
    void unplug();
    void plugIn() { m_missing = false; }
    bool deviceIsThere(const QString& /*device*/) const override { return !m_missing; }

    /// Input line states; a change while open raises its event.
    void setDsr(bool on);
    void setCts(bool on);
    void setCd(bool on);

    /// Raises a line error event (break, framing, parity, overrun, ...).
    void raiseLineError(int code);

    /// The transmit queue reports this many bytes still to be sent. Writes
    /// still reach the radio; only the report is stuck.
    void setStuckTransmitBytes(int count) { m_stuckTransmitBytes = count; }

    /// Bytes readable at once, ahead of any reply not yet delivered.
    void injectBytes(QByteArrayView bytes);

    /// Everything the program has written since the last clear, as bytes.
    const QByteArray& written() const { return m_written; }
    void clearWritten() { m_written.clear(); }

    bool isOpen() const override { return m_open; }

protected:
    void doOpen() override;
    void doClose() override;
    int doBytesToRead() override;
    void doDiscardInput() override;
    QString doReadAll() override;
    void doWrite(const QString& text) override;
    int doBytesToWrite() override;
    bool doDsr() override { return m_dsr; }
    bool doCts() override { return m_cts; }
    bool doCd() override { return m_cd; }
    bool doWaitForReadyRead(double maxSeconds) override;

private:
    /// Seconds on the radio's time line, following the clock across midnight.
    double radioTime();
    /// Lets the radio catch up with the clock and moves due replies to input.
    void pump();
    void collectRadioOutput(double at);
    void appendInput(QByteArrayView bytes);
    /// Radio seconds until something more can become readable.
    double timeToNextDelivery(double now) const;
    void setLine(bool& line, bool on, int eventCode);

    link::Clock& m_clock;
    RadioSimulator m_radio;
    double m_replyDelay = kDefaultReplyDelay;
    double m_clockMark;
    double m_radioTime = 0.0;
    std::multimap<double, QByteArray> m_pending;  // radio time of delivery -> bytes
    QByteArray m_input;
    QByteArray m_written;
    bool m_open = false;
    bool m_missing = false;
    bool m_dsr = false;
    bool m_cts = false;
    bool m_cd = false;
    int m_stuckTransmitBytes = 0;
};

}  // namespace tq::sim
