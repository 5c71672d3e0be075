#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

#include "link/ParityMarkDecoder.h"
#include "link/PortMap.h"
#include "link/SerialPort.h"

QT_FORWARD_DECLARE_CLASS(QSerialPort)
QT_FORWARD_DECLARE_CLASS(QTimer)

namespace tq::link {

class Clock;

/// A real serial device behind the port seam, driven through QSerialPort.
///
/// Received bytes go through ParityMarkDecoder into a text buffer of our own,
/// so reads are 7-bit text with NULs dropped and line errors replaced, which
/// Qt cannot do by itself. Events (line errors, line changes, the receive
/// threshold, a lost device) are posted to the event loop, so handlers run
/// inside the program's event handling and never inside a read.
///
/// Text waiting to be read is held to the receive buffer size; what arrives
/// beyond it is lost and reported as a receive overflow, as on the port's
/// own hardware buffer. Qt's raw buffer is bounded the same way.
///
/// A device that goes away while open (adapter pulled, far end of a
/// pseudo-terminal closed) is reported once as kDeviceLost, after the port
/// has closed itself; the program can open it again later (DeviceWatch).
/// An open that fails because the device refuses us says why and what to do
/// about it (no permission, in use by another program).
class QtSerialPort final : public SerialPort {
public:
    /// How often an open port checks for a hang-up, for its device node and
    /// for DSR/CTS/CD changes; Qt has no signal for any of them.
    static constexpr int kLineCheckIntervalMs = 500;

    /// The clock serves the waits that have no device to wait on (a lost line).
    explicit QtSerialPort(Clock& clock, PortMap map = PortMap());
    ~QtSerialPort() override;

    QtSerialPort(const QtSerialPort&) = delete;
    QtSerialPort& operator=(const QtSerialPort&) = delete;

    bool isOpen() const override;
    void moveToThread(QThread* thread) override;

    /// The device as named in the port map or typed, links not followed.
    QString deviceName() const override;

protected:
    void doOpen() override;
    void doClose() override;
    void applyLineSettings() override;
    void applyControlLines() override;
    int doBytesToRead() override;
    void doDiscardInput() override;
    QString doReadAll() override;
    void doWrite(const QString& text) override;
    int doBytesToWrite() override;
    bool doDsr() override;
    bool doCts() override;
    bool doCd() override;
    bool doWaitForReadyRead(double maxSeconds) override;

private:
    bool configureLine();
    void markErrorsInStream();
    void pull();
    void postEvent(int code);
    void checkReceiveThreshold();
    void reportDeviceLost();
    void checkLine();
    bool deviceNodeGone() const;
    int readLines();
    void closeDevice();

    Clock& m_clock;
    PortMap m_map;
    std::unique_ptr<QSerialPort> m_serial;
    std::unique_ptr<QTimer> m_lineCheck;
    /// The device node the port was last opened on (links followed).
    QString m_openedDevice;
    ParityMarkDecoder m_decoder;
    QString m_buffer;
    /// Counts opens and closes, so that a deferred close meant for one
    /// session of the port never closes the next.
    quint64 m_session = 0;
    bool m_deviceLost = false;
    /// A pseudo-terminal has no modem lines; after the first failed read the
    /// lines count as off and are not asked again until the next open.
    bool m_linesReadable = false;
    int m_lines = 0;
    bool m_thresholdPending = false;
};

}  // namespace tq::link
