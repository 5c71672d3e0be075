#include "cat/CatBridge.h"

#include <array>
#include <utility>

#include "cat/CatCommandTable.h"
#include "cat/CatPanel.h"
#include "cat/CatRig.h"
#include "link/IntegerValue.h"
#include "link/Pause.h"
#include "link/PortFailure.h"
#include "link/PortMap.h"
#include "link/SerialPort.h"
#include "protocol/ProgramFlags.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioState.h"

namespace tq::cat {

CatBridge::CatBridge(link::SerialPort& port, link::Clock& clock, CatPanel& panel,
                     const protocol::RadioState& state, protocol::RadioCommands& commands,
                     protocol::ProgramFlags& flags, const CatPortSetup& setup)
    : m_port(port),
      m_clock(clock),
      m_panel(panel),
      m_state(state),
      m_commands(commands),
      m_flags(flags),
      m_setup(setup) {}

void CatBridge::MSComm2_OnComm() {
    // Line changes, rings and breaks mean nothing on this port.
    const int code = m_port.lastEvent();
    if (code == link::CommEvent::kReceiveThreshold) {
        receiveBatch();
    } else if (link::CommEvent::isError(code)) {
        showComError();
    }
}

void CatBridge::receiveBatch() {
    if (m_receiving) {
        return;
    }
    m_receiving = true;
    try {
        link::Pause(m_clock, kReceivePause);
        // Events are queued, so the port may have been closed meanwhile.
        if (m_port.isOpen()) {
            CatRxBuffer = m_port.readAll();
            m_port.discardInput();
            m_panel.showCatInput(CatRxBuffer);
            m_flags.CatCommandPending = true;
        }
    } catch (const link::PortFailure&) {
        showComError();
    }
    m_receiving = false;
}

void CatBridge::showComError() {
    m_panel.setComStat(QStringLiteral("Com2 Error"));
}

namespace {

bool isPrintableText(const QString& batch) {
    for (const QChar c : batch) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) {
            return false;
        }
    }
    return true;
}

}  // namespace

void CatBridge::HandleCatCommands() {
    const QString batch = CatRxBuffer;
    m_flags.CatCommandPending = false;
    const bool extended = m_rig != nullptr && m_rig->extendedCat();
    m_batchIsText = isPrintableText(batch);
    using Action = void (CatBridge::*)(const CatCommand&);
    static constexpr std::array<std::pair<CatAction, Action>, 14> kActions{{
        {CatAction::ReadFrequency, &CatBridge::answer},
        {CatAction::SetFrequency, &CatBridge::setFrequency},
        {CatAction::ReadMode, &CatBridge::answer},
        {CatAction::SetMode, &CatBridge::setMode},
        {CatAction::ReadId, &CatBridge::answer},
        {CatAction::ReadInfo, &CatBridge::answer},
        {CatAction::ReadAutoInfo, &CatBridge::answer},
        {CatAction::ReadPower, &CatBridge::answer},
        {CatAction::ReadVfoB, &CatBridge::answer},
        {CatAction::SetVfoB, &CatBridge::setVfoB},
        {CatAction::Transmit, &CatBridge::transmit},
        {CatAction::Receive, &CatBridge::receive},
        {CatAction::Accept, &CatBridge::accept},
        {CatAction::Refuse, &CatBridge::answer},
    }};
    for (const CatCommand& command : CatCommandTable::parseBatch(batch, extended)) {
        for (const auto& [action, run] : kActions) {
            if (action == command.action) {
                (this->*run)(command);
                break;
            }
        }
    }
}

void CatBridge::answer(const CatCommand& command) {
    // Built when answered, so a read after a set in the same batch reports
    // what the set left the radio on.
    CatSnapshot snapshot{m_state.FreqReply, m_state.ModeReply, m_panel.digitalMode(),
                         m_state.RadioKeyed, QString()};
    if (m_rig != nullptr) {
        snapshot.vfoB = m_rig->vfoB();
    }
    if (const std::optional<QString> reply = CatCommandTable::reply(command.action, snapshot)) {
        m_panel.showCatOutput(*reply);
        send(m_panel.catOutput());
    }
}

void CatBridge::setFrequency(const CatCommand& command) {
    m_commands.SendFrequency(command.argument);
}

void CatBridge::setMode(const CatCommand& command) {
    m_commands.SelectMode(command.argument);
}

// The extended commands exist only with a rig attached, so these handlers
// run only then.

void CatBridge::setVfoB(const CatCommand& command) {
    if (!m_rig->setVfoB(command.argument)) {
        refuse();
    }
}

void CatBridge::transmit(const CatCommand&) {
    if (!m_batchIsText || !m_rig->setTransmit(true)) {
        refuse();
    }
}

void CatBridge::receive(const CatCommand&) {
    if (!m_rig->setTransmit(false)) {
        refuse();
    }
}

void CatBridge::accept(const CatCommand&) {}

void CatBridge::refuse() {
    answer(CatCommand{CatAction::Refuse, {}});
}

void CatBridge::send(const QString& reply) {
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

void CatBridge::ConfigureCatPort() {
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
    m_flags.CatPortChanged = false;
}

}  // namespace tq::cat
