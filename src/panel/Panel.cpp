#include "panel/Panel.h"

#include <algorithm>
#include <utility>

#include "panel/PanelNames.h"

namespace tq::panel {

Panel::Panel(link::SerialPort& radioPort, link::Clock& clock, protocol::RadioState& state,
             protocol::ProgramFlags& flags, link::RadioLinkFlags& linkFlags,
             const QString& digitalSource, const QString& digitalVox)
    : m_flags(flags),
      m_display(m_model, state, flags),
      m_link(radioPort, clock, m_display, state),
      m_commands(m_link) {
    m_display.attachLink(m_link, m_commands);
    m_receiver = std::make_unique<ReceiverControls>(context(), digitalSource, digitalVox);
    m_transmit = std::make_unique<TransmitControls>(context(), linkFlags);
    m_vfo = std::make_unique<VfoControls>(context(), *m_receiver, *m_transmit);
    m_memory = std::make_unique<MemoryControls>(context());
    m_amplifier = std::make_unique<AmplifierControls>(context());
}

Panel::~Panel() = default;

PanelContext Panel::context() {
    return PanelContext{m_model, m_display, m_requests, m_link, m_commands, m_flags};
}

void Panel::bfoChanged() {
    m_requests.raise(PanelRequest::vscBFO);
}

void Panel::rfgChanged() {
    m_requests.raise(PanelRequest::vscRFG);
}

void Panel::setBfoValue(int value) {
    if (value != m_model.bfoValue()) {
        m_model.bfoValue.set(value);
        bfoChanged();
    }
}

void Panel::setRfGain(int value) {
    if (value != m_model.rfGain()) {
        m_model.rfGain.set(value);
        rfgChanged();
    }
}

void Panel::setBeep(const std::function<void()>& beep) {
    m_vfo->setBeep(beep);
    m_memory->setBeep(beep);
}

void Panel::setServedOperationCheck(std::function<bool()> check) {
    m_transmit->setServedOperationCheck(std::move(check));
}

void Panel::setStationGateway(StationGateway& gateway) {
    m_transmit->setStationGateway(&gateway);
}

void Panel::click(PanelRequest request) {
    if (!m_model.panelEnabled()) {
        return;
    }
    if (const auto gate = gateOf(request); gate && !usable(*gate)) {
        return;
    }
    m_requests.raise(request);
    m_transmit->noteClick(request);
}

void Panel::press(Stepper stepper, int index, int button) {
    if (const auto gate = gateOf(stepper); gate && !usable(*gate)) {
        return;
    }
    switch (stepper) {
        case Stepper::VfoA:
            m_vfo->cmdF_MouseDown(index, button);
            break;
        case Stepper::VfoB:
            m_vfo->cmdVFOB_MouseDown(index, button);
            break;
        case Stepper::Channel:
            m_memory->channelDigitDown(index, button);
            break;
        case Stepper::Ptt:
            m_transmit->cmdPTT_MouseDown(button, 0, 0, 0);
            break;
    }
}

void Panel::release(Stepper stepper, int index, int button) {
    // A release always gets through: a loop that waits for it must end.
    switch (stepper) {
        case Stepper::VfoA:
            m_vfo->cmdF_MouseUp(index, button);
            break;
        case Stepper::VfoB:
            m_vfo->cmdVFOB_MouseUp(index, button);
            break;
        case Stepper::Channel:
            m_memory->channelDigitUp(index, button);
            break;
        case Stepper::Ptt:
            m_transmit->cmdPTT_MouseUp(button, 0, 0, 0);
            break;
    }
}

template <typename T>
void Panel::choose(Value<T>& box, T value, PanelRequest request) {
    if (!m_model.panelEnabled()) {
        return;
    }
    box.set(value);
    // Only the operator's choice asks for radio work; the display setting a
    // box to what the radio reported never sends it back.
    m_requests.raise(request);
}

void Panel::chooseMode(Mode mode) {
    choose(m_model.mode, mode, PanelRequest::cmbMode);
}

void Panel::chooseAgc(Agc agc) {
    choose(m_model.agc, agc, PanelRequest::cmbAGC);
}

void Panel::chooseSource(Source source) {
    choose(m_model.source, source, PanelRequest::cmbSource);
}

void Panel::chooseDigitalMode(DigitalMode mode) {
    choose(m_model.digitalMode, mode, PanelRequest::cmbDig);
}

void Panel::chooseStepSize(StepSize step) {
    if (m_model.panelEnabled()) {
        m_model.stepSize.set(step);
    }
}

void Panel::chooseVfoBMode(Mode mode) {
    if (m_model.panelEnabled()) {
        m_model.vfoBMode.set(mode);
    }
}

void Panel::chooseMeter(int index) {
    if (!usable(Control::optMeter) || index < 0 || index >= kMeterCount) {
        return;
    }
    m_model.meterChecked.set(index);
    m_model.meterChoice.set(index);
    m_requests.raise(PanelRequest::optMeter);
}

void Panel::moveBfo(int value) {
    if (usable(Control::vscBFO)) {
        setBfoValue(std::clamp(value, kBfoBottom, kBfoTop));
    }
}

void Panel::moveRfGain(int value) {
    if (usable(Control::vscRFG)) {
        setRfGain(std::clamp(value, kRfgBottom, kRfgTop));
    }
}

bool Panel::key(int qtKey) {
    return m_model.panelEnabled() && m_vfo->Form_KeyDown(qtKey);
}

}  // namespace tq::panel
