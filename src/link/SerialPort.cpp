#include "link/SerialPort.h"

#include <QFileInfo>

#include "link/PortFailure.h"

namespace tq::link {

void SerialPort::requireOpen() const {
    if (!isOpen()) {
        throw PortFailure::notOpen();
    }
}

void SerialPort::setDevicePath(const QString& path) {
    if (isOpen()) {
        throw PortFailure(PortFailure::kPortAlreadyOpen, QStringLiteral("Port already open"));
    }
    m_devicePath = path;
}

QString SerialPort::deviceName() const {
    return m_devicePath.isEmpty() ? QStringLiteral("COM%1").arg(m_portNumber) : m_devicePath;
}

bool SerialPort::deviceIsThere(const QString& device) const {
#ifdef Q_OS_WIN
    Q_UNUSED(device);
    return true;
#else
    return QFileInfo::exists(device);
#endif
}

void SerialPort::setPortNumber(int number) {
    if (isOpen()) {
        throw PortFailure(PortFailure::kPortAlreadyOpen, QStringLiteral("Port already open"));
    }
    if (number < 1 || number > 255) {
        throw PortFailure(PortFailure::kInvalidPortNumber, QStringLiteral("Invalid port number"));
    }
    m_portNumber = number;
}

void SerialPort::setSettings(const QString& text) {
    m_lineSettings = PortSettings::parse(text);
    m_settingsText = text;
    if (isOpen()) {
        applyLineSettings();
    }
}

void SerialPort::setHandshaking(Handshaking handshaking) {
    m_handshaking = handshaking;
    if (isOpen()) {
        applyLineSettings();
    }
}

void SerialPort::setRts(bool on) {
    m_rts = on;
    if (isOpen()) {
        applyControlLines();
    }
}

void SerialPort::setDtr(bool on) {
    m_dtr = on;
    if (isOpen()) {
        applyControlLines();
    }
}

void SerialPort::open() {
    if (isOpen()) {
        throw PortFailure(PortFailure::kPortAlreadyOpen, QStringLiteral("Port already open"));
    }
    doOpen();
}

void SerialPort::close() {
    if (isOpen()) {
        doClose();
    }
}

int SerialPort::bytesToRead() {
    requireOpen();
    return doBytesToRead();
}

void SerialPort::discardInput() {
    requireOpen();
    doDiscardInput();
}

QString SerialPort::readAll() {
    requireOpen();
    return doReadAll();
}

void SerialPort::write(const QString& text) {
    requireOpen();
    doWrite(text);
}

int SerialPort::bytesToWrite() {
    requireOpen();
    return doBytesToWrite();
}

bool SerialPort::dsr() {
    requireOpen();
    return doDsr();
}

bool SerialPort::cts() {
    requireOpen();
    return doCts();
}

bool SerialPort::cd() {
    requireOpen();
    return doCd();
}

bool SerialPort::waitForReadyRead(double maxSeconds) {
    requireOpen();
    return doWaitForReadyRead(maxSeconds);
}

void SerialPort::raiseEvent(int code) {
    m_lastEvent = code;
    if (m_eventHandler) {
        m_eventHandler(code);
    }
}

}  // namespace tq::link
