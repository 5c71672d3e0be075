#include "app/StationService.h"

#include <QScopeGuard>

#include "app/Program.h"
#include "panel/PanelCaptions.h"
#include "panel/ReplyCodes.h"

namespace tq::app {

using panel::StationSet;

StationService::StationService(Program& program, panel::StationGateway& gateway)
    : m_program(program), m_gateway(gateway) {
    // Everything station software reads changes through a reply from the
    // radio or a value of the panel; the lamp and the meter bar are none of it.
    program.radioLink().repliesDispatched = [this] { publish(); };
    connect(&program.model(), &panel::PanelModel::changed, this, [this](panel::Field field) {
        if (field != panel::Field::lamp && field != panel::Field::meterLevel) {
            publish();
        }
    });
    // A set queued from another thread wakes the main loop from its wait.
    panel::PanelModel* mainThread = &program.model();
    m_gateway.setWakeUp([mainThread] {
        QMetaObject::invokeMethod(
            mainThread, [] {}, Qt::QueuedConnection);
    });
}

bool StationService::panelTransmitting() const {
    const panel::PanelModel& model = m_program.panel->model();
    return model.frequencyLock() || model.xmitActive() || m_program.state.RadioKeyed ||
           m_program.panel->link().SyncChar == protocol::SyncCharacter::K;
}

panel::TransmitConditions StationService::transmitConditions() const {
    panel::TransmitConditions conditions = m_program.panel->transmit().conditions();
    // A garbled frequency reply leaves the last valid one standing.
    if (m_program.panel->model().split() != panel::Split::On) {
        conditions.frequency = m_lastFrequency;
    }
    return conditions;
}

panel::StationView StationService::currentView() {
    const protocol::RadioState& state = m_program.state;
    const panel::PanelModel& model = m_program.panel->model();
    if (const auto digits = panel::frequencyDigitsOf(state.FreqReply)) {
        m_lastFrequency = *digits;
    }
    if (panel::modeOfReply(state.ModeReply)) {
        m_lastMode = state.ModeReply;
    }
    panel::StationView view;
    view.frequency = m_lastFrequency;
    view.mode = m_lastMode;
    view.digitalMode = panel::caption(model.digitalMode());
    view.keyed = state.RadioKeyed;
    view.vfoB = model.vfoB();
    view.split = model.split() == panel::Split::On;
    view.xmitLatched = model.xmitActive();
    view.panelTransmitting = panelTransmitting();
    view.radioLost = !m_program.radioPort.isOpen() || m_program.linkFlags.PortLost;
    view.transmit = transmitConditions();
    return view;
}

void StationService::publish() {
    m_gateway.publish(currentView());
}

void StationService::carryOutSets() {
    // Whatever happens below, the sets are done with and station software
    // reads the radio again.
    const auto done = qScopeGuard([this] {
        m_gateway.carriedOut();
        publish();
    });
    panel::Panel& panel = *m_program.panel;
    bool keying = false;
    for (const StationSet& set : m_gateway.takeSets()) {
        switch (set.setting) {
            case StationSet::Setting::Frequency:
                if (!panelTransmitting()) {
                    panel.commands().SendFrequency(set.value);
                }
                break;
            case StationSet::Setting::Mode:
                panel.commands().SelectMode(set.value);
                break;
            case StationSet::Setting::VfoB:
                if (!panelTransmitting()) {
                    panel.model().vfoB.set(set.value);
                }
                break;
            case StationSet::Setting::Transmit: {
                // The latch makes the panel's own transmit check; a release
                // goes there even with the latch off, for a click waiting.
                keying = keying || set.on != panel.model().xmitActive();
                panel.transmit().setLatch(set.on);
                break;
            }
        }
    }
    // The radio answers a changed sync character at once: its answer is
    // taken now, so reads go on from the radio's word, not from the set's.
    if (keying && m_program.radioPort.isOpen() && m_program.radioPort.bytesToRead() > 0) {
        panel.link().AwaitRadioReply();
    }
}

}  // namespace tq::app
