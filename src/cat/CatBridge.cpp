#include "cat/CatBridge.h"

#include <array>
#include <utility>

#include "cat/CatCommandTable.h"
#include "cat/CatPanel.h"
#include "link/IntegerValue.h"
#include "link/Pause.h"
#include "link/PortFailure.h"
#include "link/PortMap.h"
#include "link/SerialPort.h"
#include "panel/StationGateway.h"

namespace tq::cat {

using panel::SetVerdict;

namespace {

bool isPrintableText(const QString& batch) {
    for (const QChar c : batch) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) {
            return false;
        }
    }
    return true;
}

CatSnapshot snapshotOf(const panel::StationView& view) {
    const QString freqReply = view.frequency.isEmpty() ? QString() : u'F' + view.frequency;
    return CatSnapshot{freqReply, view.mode, view.digitalMode, view.keyed, view.vfoB};
}

}  // namespace

CatBridge::CatBridge(link::SerialPort& port, link::Clock& clock, CatPanel& panel,
                     panel::StationGateway& gateway)
    : m_port(port), m_clock(clock), m_panel(panel), m_gateway(gateway) {}

QString CatBridge::lostCaption(const QString& device) {
    return QStringLiteral("Waiting for ") + device;
}

void CatBridge::MSComm2_OnComm() {
    // Line changes, rings and breaks mean nothing on this port.
    const int code = m_port.lastEvent();
    if (code == link::CommEvent::kReceiveThreshold) {
        receiveBatch();
    } else if (code == link::CommEvent::kDeviceLost) {
        const QString caption = lostCaption(m_port.deviceName());
        m_panel.showCatInput(caption);
        m_panel.showCatOutput(caption);
    } else if (link::CommEvent::isError(code)) {
        showComError();
    }
}

void CatBridge::receiveBatch() {
    if (m_receiving) {
        return;
    }
    m_receiving = true;
    QString batch;
    try {
        link::Pause(m_clock, kReceivePause);
        // Events are queued, so the port may have been closed meanwhile.
        if (m_port.isOpen()) {
            batch = m_port.readAll();
            m_port.discardInput();
        }
    } catch (const link::PortFailure&) {
        showComError();
    }
    m_receiving = false;
    if (!batch.isEmpty()) {
        CatRxBuffer = batch;
        m_panel.showCatInput(batch);
        HandleCatCommands(batch);
    }
}

void CatBridge::showComError() {
    m_panel.setComStat(QStringLiteral("Com2 Error"));
}

void CatBridge::HandleCatCommands(const QString& batch) {
    m_batchIsText = isPrintableText(batch);
    for (const CatCommand& command : CatCommandTable::parseBatch(batch, m_extended)) {
        if (CatCommandTable::isSet(command.action)) {
            hand(command);
        } else {
            // Taken when answered, so a read after a set in the same batch
            // reports what the set asked for.
            answer(command, m_gateway.view());
        }
    }
}

void CatBridge::answer(const CatCommand& command, const panel::StationView& view) {
    if (const std::optional<QString> reply =
            CatCommandTable::reply(command.action, snapshotOf(view))) {
        send(*reply);
    }
}

void CatBridge::hand(const CatCommand& command) {
    SetVerdict verdict = SetVerdict::Accepted;
    switch (command.action) {
        case CatAction::SetFrequency:
            verdict = m_gateway.setFrequency(command.argument);
            break;
        case CatAction::SetMode:
            verdict = m_gateway.setMode(command.argument);
            break;
        // The extended commands exist only while they are switched on.
        case CatAction::SetVfoB:
            verdict = m_gateway.setVfoB(command.argument);
            break;
        case CatAction::Transmit:
            verdict = m_batchIsText ? m_gateway.setTransmit(true) : SetVerdict::Refused;
            break;
        case CatAction::Receive:
            verdict = m_gateway.setTransmit(false);
            break;
        default:
            return;
    }
    // The plain commands never answer a set; the extended ones say "?;" to
    // one they refuse, except while the radio is away.
    const bool plain =
        command.action == CatAction::SetFrequency || command.action == CatAction::SetMode;
    if (verdict == SetVerdict::Refused && !plain) {
        refuse();
    }
}

void CatBridge::refuse() {
    answer(CatCommand{CatAction::Refuse, {}}, panel::StationView{});
}

void CatBridge::send(const QString& reply) {
    m_panel.showCatOutput(reply);
    try {
        if (!m_port.isOpen()) {
            return;
        }
        // Software that sends without reading its replies fills the line;
        // what does not fit the transmit buffer is lost, as on the port's
        // own hardware, rather than holding up the program.
        if (m_port.bytesToWrite() + reply.size() > kTransmitBufferSize) {
            showComError();
            return;
        }
        m_port.write(reply);
    } catch (const link::PortFailure&) {
        showComError();
    }
}

void CatBridge::ConfigureCatPort(const CatPortSetup& setup) {
    m_setup = setup;
    ReopenCatPort();
}

void CatBridge::ReopenCatPort() {
    const link::Handshaking handshaking = link::handshakingFromName(m_setup.CatPortHandshake);
    m_port.close();
    // Where devices have no numbers the operator may type the device's path
    // in place of the number; a number keeps naming the device as before.
    if (const auto path = link::PortMap::typedDevicePath(m_setup.CatPortNumber)) {
        m_port.setDevicePath(*path);
    } else {
        m_port.setDevicePath({});
        m_port.setPortNumber(link::integerValue(m_setup.CatPortNumber));
    }
    m_port.setHandshaking(handshaking);
    m_port.setSettings(m_setup.CatPortSettings);

    link::BufferOptions options;
    options.readLength = 0;
    options.receiveBufferSize = kReceiveBufferSize;
    options.transmitBufferSize = kTransmitBufferSize;
    options.receiveThreshold = kReceiveThreshold;
    options.sendThreshold = 0;
    options.discardNull = true;
    options.parityReplacement = u':';
    m_port.setBufferOptions(options);

    m_port.setRts(true);
    m_port.open();
    // Whatever waited on the line before we listened is no request to us.
    if (m_port.isOpen()) {
        m_port.discardInput();
    }
}

}  // namespace tq::cat
