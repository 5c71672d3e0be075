#include "app/PanelRigAccess.h"

#include <array>

#include "app/Program.h"
#include "panel/DisplayFailure.h"

namespace tq::app {

namespace {

struct ModeCode {
    rigctl::RigMode mode;
    const char* reply;
};

constexpr std::array<ModeCode, 4> kModeCodes{{
    {rigctl::RigMode::Usb, "M1"},
    {rigctl::RigMode::Lsb, "M2"},
    {rigctl::RigMode::Am, "M3"},
    {rigctl::RigMode::Cw, "M4"},
}};

// The seven digits (10 Hz units) of a frequency reply "F1420000".
std::optional<QString> replyDigits(const QString& freqReply) {
    const QString digits = freqReply.mid(1, 7);
    if (!freqReply.startsWith(u'F') || digits.size() != 7) {
        return std::nullopt;
    }
    for (QChar c : digits) {
        if (!c.isDigit()) {
            return std::nullopt;
        }
    }
    return digits;
}

}  // namespace

PanelRigAccess::PanelRigAccess(Program& program) : m_program(program) {}

std::optional<qint64> PanelRigAccess::frequencyHz() const {
    const auto digits = replyDigits(m_program.state.FreqReply);
    if (!digits) {
        return std::nullopt;
    }
    return digits->toLongLong() * 10;
}

bool PanelRigAccess::panelTransmitting() const {
    const panel::PanelModel& model = m_program.panel->model();
    return model.frequencyLock() || model.xmitActive() || m_program.state.RadioKeyed ||
           m_program.panel->link().SyncChar == protocol::SyncCharacter::K;
}

rigctl::RigResult PanelRigAccess::setFrequency(qint64 hz) {
    if (panelTransmitting()) {
        return rigctl::RigResult::Rejected;
    }
    const QString digits = QString::number(hz / 10).rightJustified(7, u'0');
    m_program.commands().SendFrequency(digits);
    return replyDigits(m_program.state.FreqReply) == digits ? rigctl::RigResult::Ok
                                                            : rigctl::RigResult::IoError;
}

std::optional<rigctl::RigMode> PanelRigAccess::mode() const {
    for (const ModeCode& code : kModeCodes) {
        if (m_program.state.ModeReply.startsWith(QLatin1String(code.reply))) {
            return code.mode;
        }
    }
    return std::nullopt;
}

rigctl::RigResult PanelRigAccess::setMode(rigctl::RigMode mode) {
    for (const ModeCode& code : kModeCodes) {
        if (code.mode == mode) {
            m_program.commands().SelectMode(QLatin1String(code.reply));
        }
    }
    return this->mode() == mode ? rigctl::RigResult::Ok : rigctl::RigResult::IoError;
}

bool PanelRigAccess::keyed() const {
    return m_program.state.RadioKeyed;
}

bool PanelRigAccess::currentFrequencyInBand() const {
    const auto digits = replyDigits(m_program.state.FreqReply);
    if (!digits) {
        return false;
    }
    try {
        return m_program.panel->display().InAmateurBand(u'F' + *digits);
    } catch (const panel::DisplayFailure&) {
        return false;
    }
}

rigctl::RigResult PanelRigAccess::setTransmit(bool on) {
    const panel::PanelModel& model = m_program.panel->model();
    panel::TransmitControls& transmit = m_program.panel->transmit();
    if (!on) {
        if (model.xmitActive()) {
            transmit.xmitCmd();
        }
        return model.xmitActive() ? rigctl::RigResult::IoError : rigctl::RigResult::Ok;
    }
    if (model.xmitActive()) {
        return rigctl::RigResult::Ok;
    }
    // Whatever else keys the radio (tune, an amplifier tune) owns the sync
    // character; a latch on top would unkey it on release.
    const bool permitted =
        model.controlMode() == panel::ControlMode::Remote &&
        model.canRelease(panel::Control::cmdXmit) && !m_program.flags.ScanActive &&
        m_program.panel->link().SyncChar != protocol::SyncCharacter::K && currentFrequencyInBand();
    if (!permitted) {
        return rigctl::RigResult::Rejected;
    }
    transmit.xmitCmd();
    return model.xmitActive() ? rigctl::RigResult::Ok : rigctl::RigResult::Rejected;
}

bool PanelRigAccess::transmitLatched() const {
    return m_program.panel->model().xmitActive();
}

}  // namespace tq::app
