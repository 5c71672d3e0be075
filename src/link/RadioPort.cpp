#include "link/RadioPort.h"

#include <array>
#include <utility>

#include "link/Clock.h"
#include "link/IntegerValue.h"
#include "link/LinkIndicators.h"
#include "link/Pause.h"
#include "link/SerialPort.h"

namespace tq::link {

RadioPort::RadioPort(SerialPort& port, Clock& clock, LinkIndicators& indicators,
                     const RadioPortSetup& setup, RadioLinkFlags& flags)
    : m_port(port), m_clock(clock), m_indicators(indicators), m_setup(setup), m_flags(flags) {}

bool RadioPort::SetUpRadioPort() {
    const Handshaking handshaking = handshakingFromName(m_setup.RadioPortHandshake);
    if (m_port.isOpen()) {
        if (m_port.bytesToRead() > 0) {
            m_port.readAll();
        }
        m_port.close();
        Pause(m_clock, kReopenPauseSeconds);
    }
    m_port.setPortNumber(integerValue(m_setup.RadioPortNumber));
    m_port.setHandshaking(handshaking);
    m_port.setSettings(m_setup.RadioPortSettings);

    BufferOptions options;
    options.readLength = 0;
    options.receiveBufferSize = kReceiveBufferSize;
    options.transmitBufferSize = kTransmitBufferSize;
    // Replies are polled, so no receive or send events.
    options.receiveThreshold = 0;
    options.sendThreshold = 0;
    options.discardNull = true;
    options.parityReplacement = u':';
    m_port.setBufferOptions(options);

    m_port.setRts(true);
    m_port.open();
    if (!m_port.isOpen()) {
        m_indicators.showErrorInfo(QStringLiteral("Selected port did not open..."));
        return false;
    }
    // The port starts with no stale input. A closed port holds none, so the
    // discard comes right after the open, where there can be some (a
    // pseudo-terminal keeps what its far end wrote before we opened it).
    m_port.discardInput();
    return true;
}

void RadioPort::MSComm1_OnComm() {
    using Action = void (RadioPort::*)();
    static constexpr std::array<std::pair<int, Action>, 3> kActions{{
        {CommEvent::kBreak, &RadioPort::requestLinkRestart},
        {CommEvent::kDsrChanged, &RadioPort::readExternalPtt},
        {CommEvent::kDeviceLost, &RadioPort::reportPortLost},
    }};
    const int code = m_port.lastEvent();
    if (CommEvent::isError(code)) {
        showComError();
        return;
    }
    for (const auto& [eventCode, action] : kActions) {
        if (eventCode == code) {
            (this->*action)();
            return;
        }
    }
}

QString RadioPort::waitingCaption(const QString& device) {
    return QStringLiteral("Waiting for ") + device;
}

QString RadioPort::portLostInfo(const QString& device) {
    return QStringLiteral("Radio port lost: %1. Waiting for it to come back...").arg(device);
}

void RadioPort::reportPortLost() {
    // The port has closed itself; whatever the loop was doing with the radio
    // ends with a port failure, and the loop reads this flag next.
    m_flags.PortLost = true;
    const QString device = m_port.deviceName();
    m_indicators.setComStat(waitingCaption(device));
    m_indicators.showErrorInfo(portLostInfo(device));
}

void RadioPort::requestLinkRestart() {
    m_flags.LinkRestartRequest = true;
}

void RadioPort::showComError() {
    m_indicators.setComStat(QStringLiteral("Com Error"));
}

void RadioPort::readExternalPtt() {
    // Events are queued, so this can run after the port was closed; a closed
    // port's DSR line reads as off instead of failing inside event handling.
    m_flags.ExtPttState = !m_setup.ExtPttEnabled || (m_port.isOpen() && m_port.dsr());
}

}  // namespace tq::link
