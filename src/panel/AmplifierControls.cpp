#include "panel/AmplifierControls.h"

namespace tq::panel {

AmplifierControls::AmplifierControls(PanelContext panel) : m_panel(panel) {}

template <typename State, std::size_t N>
void AmplifierControls::switchFrom(Value<State>& indicator,
                                   const std::array<Switch<State>, N>& switches) {
    // Anything else shown (a marker of a command still on its way, warm-up,
    // nothing yet) sends nothing: the amplifier could not take it.
    for (const Switch<State>& s : switches) {
        if (indicator() == s.shown) {
            indicator.set(s.pending);
            // No reply awaited: the main loop's polling brings the new state.
            m_panel.link.SendRadioCommand(QString::fromLatin1(s.command), true, kCommandPause);
            return;
        }
    }
}

void AmplifierControls::ampPwrCmd() {
    static constexpr std::array<Switch<AmpPower>, 2> kPower{{
        {AmpPower::Off, AmpPower::PendingUp, "O2"},
        {AmpPower::On, AmpPower::PendingDown, "O1"},
    }};
    switchFrom(m_panel.model.ampPower, kPower);
    m_panel.requests.clear(PanelRequest::cmdAmpPwr);
}

void AmplifierControls::ampOprCmd() {
    static constexpr std::array<Switch<AmpOperate>, 2> kOperate{{
        {AmpOperate::Standby, AmpOperate::PendingUp, "O4"},
        {AmpOperate::Operate, AmpOperate::PendingDown, "O3"},
    }};
    switchFrom(m_panel.model.ampOperate, kOperate);
    m_panel.requests.clear(PanelRequest::cmdAmpOpr);
}

void AmplifierControls::tuneAmpCmd() {
    PanelModel& model = m_panel.model;
    protocol::RadioLink& link = m_panel.link;
    if (!model.ampTuneActive()) {
        // Only an amplifier that asks for a tune gets the carrier for one.
        if (model.ampTune() == AmpTune::StartTune) {
            model.ampTune.set(AmpTune::PendingUp);
            model.ampTuneActive.set(true);
            model.ampTuneStarted.set(link.clock().now());
            link.SendRadioCommand(QStringLiteral("K"), false, kCommandPause);
            // The periodic sync now holds the transmitter keyed while the
            // amplifier tunes on the carrier.
            link.SyncChar = protocol::SyncCharacter::K;
        }
    } else {
        model.ampTuneActive.set(false);
        link.SyncChar = protocol::SyncCharacter::U;
        link.SendRadioCommand(QStringLiteral("U"), false, kCommandPause);
    }
    m_panel.requests.clear(PanelRequest::cmdTuneAmp);
}

}  // namespace tq::panel
