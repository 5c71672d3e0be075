#pragma once

#include <QString>
#include <QThread>
#include <functional>

#include "link/PortSettings.h"

namespace tq::link {

/// Event codes reported by a serial port (line changes and line errors).
namespace CommEvent {
constexpr int kSendThreshold = 1;
constexpr int kReceiveThreshold = 2;
constexpr int kCtsChanged = 3;
constexpr int kDsrChanged = 4;
constexpr int kCdChanged = 5;
constexpr int kRing = 6;
constexpr int kEndOfFile = 7;
constexpr int kBreak = 1001;
constexpr int kFramingError = 1004;
constexpr int kOverrun = 1006;
constexpr int kReceiveOverflow = 1008;
constexpr int kParityError = 1009;
constexpr int kTransmitFull = 1010;
constexpr int kConfigurationError = 1011;
/// The device went away while open (adapter pulled, far end of the line
/// closed). Raised once per loss, after the port has closed itself; every
/// operation that needs an open port fails from then on until it is opened
/// again. Not a line error: nothing on the line was received wrongly, and
/// there is no line left to show an error for.
constexpr int kDeviceLost = 1100;

/// The events that report a fault of the line or the port, which both ports
/// show as a communication error.
constexpr bool isError(int code) {
    return code == kFramingError || code == kOverrun || code == kReceiveOverflow ||
           code == kParityError || code == kTransmitFull || code == kConfigurationError;
}
}  // namespace CommEvent

/// Receive and transmit options of a port. The defaults are the radio port's.
struct BufferOptions {
    int readLength = 0;  // 0: a read returns everything waiting
    int receiveBufferSize = 4096;
    int transmitBufferSize = 256;
    int receiveThreshold = 0;  // >0: a receive event once this many bytes wait
    int sendThreshold = 0;
    bool discardNull = true;
    QChar parityReplacement = u':';
};

/// The operations the program performs on a serial port, whatever is behind
/// it (a real device through Qt, or the in-process radio simulator).
///
/// Operations that need an open port throw PortFailure when it is closed, and
/// changing the port number of an open port throws too, as the radio code's
/// failure handling expects. Events arrive on the user-interface thread
/// through the handler, nested in whatever wait is handling events.
class SerialPort {
public:
    using EventHandler = std::function<void(int code)>;

    virtual ~SerialPort() = default;

    void setPortNumber(int number);
    int portNumber() const { return m_portNumber; }
    /// A device named by its path instead of a number, for devices the
    /// platform gives no number (typed by the operator); empty: the port
    /// number names the device. Throws PortFailure while the port is open.
    void setDevicePath(const QString& path);
    QString devicePath() const { return m_devicePath; }
    /// The device as the operator named it, for messages and for watching
    /// for its return: the typed path, else the device the port number
    /// names. Links are not followed, so a /dev/serial/by-id name stays one.
    virtual QString deviceName() const;
    /// Whether the named device is there to be opened, for watching a lost
    /// one: by default whether its file exists (a dangling by-id link
    /// counts as absent). COM ports have no file to look at; the open
    /// itself tells, and fails at once for a missing port. A port with no
    /// file behind it (the simulator's) answers for itself.
    virtual bool deviceIsThere(const QString& device) const;

    /// Throws PortFailure for a malformed text; an open port takes the new
    /// line settings at once.
    void setSettings(const QString& text);
    QString settings() const { return m_settingsText; }
    const PortSettings& lineSettings() const { return m_lineSettings; }

    void setHandshaking(Handshaking handshaking);
    Handshaking handshaking() const { return m_handshaking; }

    void setBufferOptions(const BufferOptions& options) { m_bufferOptions = options; }
    const BufferOptions& bufferOptions() const { return m_bufferOptions; }

    /// RTS and DTR take effect now if open, otherwise at the next open.
    void setRts(bool on);
    void setDtr(bool on);
    bool rts() const { return m_rts; }
    bool dtr() const { return m_dtr; }

    void open();
    void close();
    virtual bool isOpen() const = 0;

    /// Moves whatever delivers the port's events onto another thread; from
    /// then on the port is used from that thread only. Ports without a
    /// thread of their own (the simulator's, tests' fakes) have nothing to
    /// move.
    virtual void moveToThread(QThread* thread) { Q_UNUSED(thread); }

    int bytesToRead();
    void discardInput();
    /// Everything waiting, as text (7-bit, NULs dropped, parity errors ":").
    QString readAll();
    void write(const QString& text);
    int bytesToWrite();

    bool dsr();
    bool cts();
    bool cd();

    /// Blocks until more bytes are waiting than when called, or the time is
    /// up; true when new bytes arrived. Does not handle window events.
    bool waitForReadyRead(double maxSeconds);

    void setEventHandler(EventHandler handler) { m_eventHandler = std::move(handler); }
    /// Code of the last event raised, 0 before any.
    int lastEvent() const { return m_lastEvent; }

protected:
    /// Records the event and calls the handler; for implementations.
    void raiseEvent(int code);

    virtual void doOpen() = 0;
    virtual void doClose() = 0;
    virtual void applyLineSettings() {}
    virtual void applyControlLines() {}
    virtual int doBytesToRead() = 0;
    virtual void doDiscardInput() = 0;
    virtual QString doReadAll() = 0;
    virtual void doWrite(const QString& text) = 0;
    virtual int doBytesToWrite() = 0;
    virtual bool doDsr() = 0;
    virtual bool doCts() = 0;
    virtual bool doCd() = 0;
    virtual bool doWaitForReadyRead(double maxSeconds) = 0;

private:
    void requireOpen() const;

    int m_portNumber = 1;
    QString m_devicePath;
    QString m_settingsText = QStringLiteral("9600,N,8,1");
    PortSettings m_lineSettings;
    Handshaking m_handshaking = Handshaking::None;
    BufferOptions m_bufferOptions;
    bool m_rts = false;
    bool m_dtr = false;
    int m_lastEvent = 0;
    EventHandler m_eventHandler;
};

}  // namespace tq::link
