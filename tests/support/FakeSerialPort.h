#pragma once

#include <QString>
#include <QStringList>
#include <utility>

#include "link/SerialPort.h"
#include "support/TestClock.h"

namespace tq::link {

/// A port that keeps a log of what is done to it, with the virtual time of
/// each step, and describes at every open the settings it was opened with.
class FakeSerialPort final : public SerialPort {
public:
    explicit FakeSerialPort(test::TestClock& clock) : m_clock(clock) {}

    bool isOpen() const override { return m_open; }

    /// Bytes the device has delivered and the program not yet read.
    void receive(const QString& text) { m_waiting += text; }
    void setOpenSucceeds(bool succeeds) { m_openSucceeds = succeeds; }
    void setDsrLine(bool on) { m_dsrLine = on; }
    /// Reports an event as the device would.
    void fire(int code) { raiseEvent(code); }

    QStringList log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    QString waiting() const { return m_waiting; }

protected:
    void doOpen() override {
        const BufferOptions& o = bufferOptions();
        m_log << QStringLiteral(
                     "open %1 port=%2 hs=%3 settings=%4 rts=%5 dtr=%6 readLength=%7 "
                     "rx=%8 tx=%9 rth=%10 sth=%11 nul=%12 parity=%13")
                     .arg(stamp())
                     .arg(portNumber())
                     .arg(static_cast<int>(handshaking()))
                     .arg(settings())
                     .arg(int(rts()))
                     .arg(int(dtr()))
                     .arg(o.readLength)
                     .arg(o.receiveBufferSize)
                     .arg(o.transmitBufferSize)
                     .arg(o.receiveThreshold)
                     .arg(o.sendThreshold)
                     .arg(int(o.discardNull))
                     .arg(o.parityReplacement);
        m_open = m_openSucceeds;
    }
    void doClose() override {
        m_log << QStringLiteral("close %1").arg(stamp());
        m_open = false;
    }
    int doBytesToRead() override {
        m_log << QStringLiteral("bytesToRead");
        return static_cast<int>(m_waiting.size());
    }
    void doDiscardInput() override {
        m_log << QStringLiteral("discard");
        m_waiting.clear();
    }
    QString doReadAll() override {
        m_log << QStringLiteral("readAll");
        return std::exchange(m_waiting, QString());
    }
    void doWrite(const QString& text) override { m_log << QStringLiteral("write ") + text; }
    int doBytesToWrite() override { return 0; }
    bool doDsr() override { return m_dsrLine; }
    bool doCts() override { return false; }
    bool doCd() override { return false; }
    bool doWaitForReadyRead(double maxSeconds) override {
        m_clock.sleep(maxSeconds);
        return false;
    }

private:
    QString stamp() const { return QStringLiteral("t=%1").arg(m_clock.elapsedTotal(), 0, 'f', 2); }

    test::TestClock& m_clock;
    bool m_open = false;
    bool m_openSucceeds = true;
    bool m_dsrLine = false;
    QString m_waiting;
    QStringList m_log;
};

}  // namespace tq::link
