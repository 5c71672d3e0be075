#include "link/QtSerialPort.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QTimer>
#include <algorithm>
#include <array>
#include <utility>

#include "link/Clock.h"
#include "link/OpenRefusal.h"
#include "link/PortFailure.h"
#include "link/TerminalLine.h"

namespace tq::link {

namespace {

// Bytes normally leave at once; this only bounds a write into a port held up
// by flow control, so a stuck line cannot stall the program.
constexpr int kWriteWaitMs = 100;
constexpr double kMaxWaitSeconds = 24 * 3600.0;

// Open failures and the failure numbers callers know them by. Anything not
// listed is a device that is there but cannot be used.
constexpr std::array<std::pair<QSerialPort::SerialPortError, int>, 4> kOpenFailureNumbers{{
    {QSerialPort::DeviceNotFoundError, PortFailure::kInvalidPortNumber},
    {QSerialPort::OpenError, PortFailure::kPortAlreadyOpen},
    {QSerialPort::PermissionError, PortFailure::kHardwareNotAvailable},
    {QSerialPort::UnsupportedOperationError, PortFailure::kInvalidPropertyValue},
}};

// Errors that mean the device has gone away. Qt repeats them (a hung-up
// terminal reads as an endless stream of read errors, tens of thousands a
// second), so the first ends the session instead of being reported.
constexpr std::array<QSerialPort::SerialPortError, 3> kDeviceLostErrors{
    QSerialPort::ReadError, QSerialPort::WriteError, QSerialPort::ResourceError};

// Modem lines watched for changes and the event each change raises.
constexpr std::array<std::pair<QSerialPort::PinoutSignal, int>, 3> kWatchedLines{{
    {QSerialPort::ClearToSendSignal, CommEvent::kCtsChanged},
    {QSerialPort::DataSetReadySignal, CommEvent::kDsrChanged},
    {QSerialPort::DataCarrierDetectSignal, CommEvent::kCdChanged},
}};

int openFailureNumber(QSerialPort::SerialPortError error) {
    for (const auto& [qtError, number] : kOpenFailureNumbers) {
        if (qtError == error) {
            return number;
        }
    }
    return PortFailure::kHardwareNotAvailable;
}

// Qt's error for an open that fails names no cause for a device that is
// there but refuses us, and its text is a translated errno at best; ask the
// system instead, so the operator reads the cause and the remedy. The
// failure numbers stay those callers know.
PortFailure openFailure(QSerialPort::SerialPortError error, const QString& qtText,
                        const QString& device) {
    const int number = openFailureNumber(error);
    if (error == QSerialPort::DeviceNotFoundError || error == QSerialPort::OpenError ||
        error == QSerialPort::UnsupportedOperationError) {
        return PortFailure(number, qtText);
    }
#ifdef Q_OS_WIN
    // COM ports are exclusive: access denied means another program has it.
    const OpenRefusal refusal =
        error == QSerialPort::PermissionError ? OpenRefusal::InUse : OpenRefusal::None;
#else
    const OpenRefusal refusal = probeRefusal(device);
#endif
    const QString text = refusalText(refusal, device);
    return PortFailure(number, text.isEmpty() ? qtText : text);
}

bool meansDeviceLost(QSerialPort::SerialPortError error) {
    return std::find(kDeviceLostErrors.begin(), kDeviceLostErrors.end(), error) !=
           kDeviceLostErrors.end();
}

qintptr nativeHandle(const QSerialPort& serial) {
#ifdef Q_OS_WIN
    return reinterpret_cast<qintptr>(serial.handle());
#else
    return static_cast<qintptr>(serial.handle());
#endif
}

QSerialPort::Parity toQt(PortSettings::Parity parity) {
    static constexpr std::array<std::pair<PortSettings::Parity, QSerialPort::Parity>, 5> kMap{{
        {PortSettings::Parity::None, QSerialPort::NoParity},
        {PortSettings::Parity::Odd, QSerialPort::OddParity},
        {PortSettings::Parity::Even, QSerialPort::EvenParity},
        {PortSettings::Parity::Mark, QSerialPort::MarkParity},
        {PortSettings::Parity::Space, QSerialPort::SpaceParity},
    }};
    for (const auto& [ours, qt] : kMap) {
        if (ours == parity) {
            return qt;
        }
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits toQt(PortSettings::StopBits stopBits) {
    static constexpr std::array<std::pair<PortSettings::StopBits, QSerialPort::StopBits>, 3> kMap{{
        {PortSettings::StopBits::One, QSerialPort::OneStop},
        {PortSettings::StopBits::OneAndHalf, QSerialPort::OneAndHalfStop},
        {PortSettings::StopBits::Two, QSerialPort::TwoStop},
    }};
    for (const auto& [ours, qt] : kMap) {
        if (ours == stopBits) {
            return qt;
        }
    }
    return QSerialPort::OneStop;
}

// Qt cannot combine RTS/CTS with XON/XOFF; code 3 gets the hardware half.
QSerialPort::FlowControl toQt(Handshaking handshaking) {
    static constexpr std::array<std::pair<Handshaking, QSerialPort::FlowControl>, 4> kMap{{
        {Handshaking::None, QSerialPort::NoFlowControl},
        {Handshaking::XonXoff, QSerialPort::SoftwareControl},
        {Handshaking::RtsCts, QSerialPort::HardwareControl},
        {Handshaking::RtsCtsXonXoff, QSerialPort::HardwareControl},
    }};
    for (const auto& [ours, qt] : kMap) {
        if (ours == handshaking) {
            return qt;
        }
    }
    return QSerialPort::NoFlowControl;
}

}  // namespace

QtSerialPort::QtSerialPort(Clock& clock, PortMap map)
    : m_clock(clock),
      m_map(std::move(map)),
      m_serial(std::make_unique<QSerialPort>()),
      m_lineCheck(std::make_unique<QTimer>()) {
    QObject::connect(m_serial.get(), &QSerialPort::readyRead, m_serial.get(), [this] { pull(); });
    QObject::connect(m_serial.get(), &QSerialPort::errorOccurred, m_serial.get(),
                     [this](QSerialPort::SerialPortError error) {
                         if (meansDeviceLost(error)) {
                             reportDeviceLost();
                         }
                     });
    m_lineCheck->setInterval(kLineCheckIntervalMs);
    QObject::connect(m_lineCheck.get(), &QTimer::timeout, m_serial.get(), [this] { checkLine(); });
}

QtSerialPort::~QtSerialPort() {
    m_lineCheck->stop();
    m_serial->close();
}

void QtSerialPort::moveToThread(QThread* thread) {
    m_serial->moveToThread(thread);
    m_lineCheck->moveToThread(thread);
}

bool QtSerialPort::isOpen() const {
    return m_serial->isOpen();
}

QString QtSerialPort::deviceName() const {
    return devicePath().isEmpty() ? m_map.devicePath(portNumber()) : devicePath();
}

void QtSerialPort::doOpen() {
    m_openedDevice = PortMap::resolvedPath(deviceName());
    m_serial->setPortName(m_openedDevice);
    m_serial->setReadBufferSize(std::max(0, bufferOptions().receiveBufferSize));
    // Qt keeps these until open and applies them there; a value the device
    // refuses makes the open fail below.
    configureLine();
    if (!m_serial->open(QIODevice::ReadWrite)) {
        throw openFailure(m_serial->error(), m_serial->errorString(), m_openedDevice);
    }
    ++m_session;
    m_deviceLost = false;
    m_thresholdPending = false;
    m_buffer.clear();
    m_decoder.reset();
    markErrorsInStream();
    applyControlLines();
    m_linesReadable = true;
    m_lines = readLines();
    m_lineCheck->start();
}

void QtSerialPort::doClose() {
    closeDevice();
}

void QtSerialPort::closeDevice() {
    ++m_session;
    m_lineCheck->stop();
    m_serial->close();
    m_buffer.clear();
    m_decoder.reset();
    m_deviceLost = false;
}

bool QtSerialPort::configureLine() {
    const PortSettings& line = lineSettings();
    bool ok = m_serial->setBaudRate(line.baudRate);
    ok = m_serial->setDataBits(static_cast<QSerialPort::DataBits>(line.dataBits)) && ok;
    ok = m_serial->setParity(toQt(line.parity)) && ok;
    ok = m_serial->setStopBits(toQt(line.stopBits)) && ok;
    ok = m_serial->setFlowControl(toQt(handshaking())) && ok;
    return ok;
}

void QtSerialPort::applyLineSettings() {
    // Decode what arrived under the old settings before the marking changes.
    pull();
    const bool ok = configureLine();
    markErrorsInStream();
    if (!ok) {
        throw PortFailure(PortFailure::kInvalidPropertyValue, m_serial->errorString());
    }
}

void QtSerialPort::markErrorsInStream() {
    m_decoder.setMarksEnabled(markLineErrors(nativeHandle(*m_serial)));
}

void QtSerialPort::applyControlLines() {
    // A pseudo-terminal has no modem lines and Qt refuses RTS under RTS/CTS
    // flow control; neither is a fault of the link, so failures are ignored.
    if (m_serial->flowControl() != QSerialPort::HardwareControl) {
        m_serial->setRequestToSend(rts());
    }
    m_serial->setDataTerminalReady(dtr());
}

void QtSerialPort::pull() {
    if (!m_serial->isOpen()) {
        return;
    }
    const QByteArray bytes = m_serial->readAll();
    if (bytes.isEmpty()) {
        return;
    }
    const BufferOptions& options = bufferOptions();
    m_decoder.setDiscardNull(options.discardNull);
    m_decoder.setParityReplacement(options.parityReplacement);
    ParityMarkDecoder::Output out = m_decoder.decode(bytes);
    // A full receive buffer loses what comes next, as the port's own buffer
    // would: a sender that never stops cannot make the program grow.
    const qsizetype room = options.receiveBufferSize > 0
                               ? std::max<qsizetype>(0, options.receiveBufferSize - m_buffer.size())
                               : out.text.size();
    if (out.text.size() > room) {
        out.text.truncate(room);
        out.events.push_back(CommEvent::kReceiveOverflow);
    }
    m_buffer.append(out.text);
    for (const int code : out.events) {
        postEvent(code);
    }
    if (!out.text.isEmpty()) {
        checkReceiveThreshold();
    }
}

void QtSerialPort::postEvent(int code) {
    QMetaObject::invokeMethod(
        m_serial.get(), [this, code] { raiseEvent(code); }, Qt::QueuedConnection);
}

void QtSerialPort::checkReceiveThreshold() {
    const int threshold = bufferOptions().receiveThreshold;
    if (threshold <= 0 || m_buffer.size() < threshold || m_thresholdPending) {
        return;
    }
    // One event stands for every arrival until it is handled; the handler
    // reads everything waiting anyway.
    m_thresholdPending = true;
    QMetaObject::invokeMethod(
        m_serial.get(),
        [this] {
            m_thresholdPending = false;
            raiseEvent(CommEvent::kReceiveThreshold);
        },
        Qt::QueuedConnection);
}

void QtSerialPort::reportDeviceLost() {
    if (m_deviceLost || !m_serial->isOpen()) {
        return;
    }
    m_deviceLost = true;
    m_lineCheck->stop();
    // Closing inside Qt's error signal is unsafe, and Qt may still be inside
    // its read loop; close from the event loop instead, once.
    const quint64 session = m_session;
    QMetaObject::invokeMethod(
        m_serial.get(),
        [this, session] {
            if (session != m_session) {
                return;  // the program closed or reopened the port meanwhile
            }
            closeDevice();
            raiseEvent(CommEvent::kDeviceLost);
        },
        Qt::QueuedConnection);
}

void QtSerialPort::checkLine() {
    if (!m_serial->isOpen() || m_deviceLost) {
        return;
    }
    if (!terminalIsConnected(nativeHandle(*m_serial)) || deviceNodeGone()) {
        reportDeviceLost();
        return;
    }
    const int lines = readLines();
    const int changed = lines ^ m_lines;
    m_lines = lines;
    for (const auto& [signal, code] : kWatchedLines) {
        if ((changed & signal) != 0) {
            postEvent(code);
        }
    }
}

bool QtSerialPort::deviceNodeGone() const {
#ifdef Q_OS_UNIX
    // The node going is the plainest sign of a removed adapter, whatever
    // the driver still makes of the handle we hold.
    return !QFileInfo::exists(m_openedDevice);
#else
    return false;  // COM ports have no node; a removal reports ResourceError
#endif
}

int QtSerialPort::readLines() {
    if (!m_linesReadable) {
        return QSerialPort::NoSignal;
    }
    m_serial->clearError();
    const QSerialPort::PinoutSignals lines = m_serial->pinoutSignals();
    if (m_serial->error() != QSerialPort::NoError) {
        m_linesReadable = false;
        return QSerialPort::NoSignal;
    }
    return static_cast<int>(lines.toInt());
}

int QtSerialPort::doBytesToRead() {
    pull();
    return static_cast<int>(m_buffer.size());
}

void QtSerialPort::doDiscardInput() {
    m_serial->clear(QSerialPort::Input);
    m_buffer.clear();
    m_decoder.reset();
}

QString QtSerialPort::doReadAll() {
    pull();
    const int length = bufferOptions().readLength;
    if (length <= 0 || length >= m_buffer.size()) {
        return std::exchange(m_buffer, QString());
    }
    QString text = m_buffer.left(length);
    m_buffer.remove(0, length);
    return text;
}

void QtSerialPort::doWrite(const QString& text) {
    if (m_deviceLost) {
        return;  // the device is gone; writing only provokes more errors
    }
    m_serial->write(text.toLatin1());
    // The reply wait runs without an event loop, so the bytes must be on
    // their way before write returns.
    m_serial->flush();
    if (m_serial->bytesToWrite() > 0) {
        m_serial->waitForBytesWritten(kWriteWaitMs);
    }
}

int QtSerialPort::doBytesToWrite() {
    return static_cast<int>(m_serial->bytesToWrite());
}

bool QtSerialPort::doDsr() {
    return (readLines() & QSerialPort::DataSetReadySignal) != 0;
}

bool QtSerialPort::doCts() {
    return (readLines() & QSerialPort::ClearToSendSignal) != 0;
}

bool QtSerialPort::doCd() {
    return (readLines() & QSerialPort::DataCarrierDetectSignal) != 0;
}

bool QtSerialPort::doWaitForReadyRead(double maxSeconds) {
    // Qt waits only for bytes it has not read yet: take what it holds first.
    pull();
    const qsizetype before = m_buffer.size();
    const double seconds = std::min(maxSeconds, kMaxWaitSeconds);
    if (seconds <= 0) {
        return false;
    }
    QDeadlineTimer deadline(static_cast<qint64>(seconds * 1000.0 + 0.5), Qt::PreciseTimer);
    while (!m_deviceLost) {
        const qint64 remaining = deadline.remainingTime();
        if (remaining <= 0) {
            return false;
        }
        if (!m_serial->waitForReadyRead(static_cast<int>(remaining))) {
            if (m_serial->error() == QSerialPort::TimeoutError) {
                return false;
            }
            // Any other failure returned early and would do so again on the
            // next call. Newer Qt versions report a hang-up that way without
            // an error, so ask the terminal; either way, do not spin.
            if (!terminalIsConnected(nativeHandle(*m_serial))) {
                reportDeviceLost();
            }
            break;
        }
        pull();
        if (m_buffer.size() > before) {
            return true;
        }
        // Only marks or NULs arrived: nothing new to read yet.
    }
    // Nothing left to wait on, but the caller still expects the wait to take
    // its time: a caller that loops on it must not spin.
    m_clock.sleep(static_cast<double>(deadline.remainingTime()) / 1000.0);
    return false;
}

}  // namespace tq::link
