#include "ui/main/AmplifierControls.h"

#include <QLabel>
#include <array>

namespace tq::ui {

namespace {

const QString kKeyed = QStringLiteral("K");
const QString kUnkeyed = QStringLiteral("U");

}  // namespace

AmplifierControls::AmplifierControls(frmTQ5820& panel, protocol::RadioLink& link)
    : m_panel(panel), m_link(link) {}

template <std::size_t N>
void AmplifierControls::switchFrom(QLabel* label, const std::array<Switch, N>& switches) {
    // Anything else shown (a marker of a command still on its way, warm-up,
    // nothing yet) sends nothing: the amplifier could not take it.
    const QString shown = label->text();
    for (const Switch& s : switches) {
        if (shown == QLatin1String(s.shown)) {
            label->setText(s.pending);
            // No reply awaited: the main loop's polling brings the new state.
            m_link.SendRadioCommand(QString::fromLatin1(s.command), true, kCommandPause);
            return;
        }
    }
}

void AmplifierControls::ampPwrCmd() {
    static const std::array<Switch, 2> kPower{{
        {"OFF", kPendingUp, "O2"},
        {"ON", kPendingDown, "O1"},
    }};
    switchFrom(m_panel.lblAmpPwr, kPower);
    m_panel.requests().clear(panel::PanelRequest::cmdAmpPwr);
}

void AmplifierControls::ampOprCmd() {
    static const std::array<Switch, 2> kOperate{{
        {"Standby", kPendingUp, "O4"},
        {"Operate", kPendingDown, "O3"},
    }};
    switchFrom(m_panel.lblAmpOpStby, kOperate);
    m_panel.requests().clear(panel::PanelRequest::cmdAmpOpr);
}

void AmplifierControls::tuneAmpCmd() {
    if (!m_panel.AmpTuneActive) {
        // Only an amplifier that asks for a tune gets the carrier for one.
        if (m_panel.lblAmpTuned->text() == u"Start Tune") {
            m_panel.lblAmpTuned->setText(kPendingUp);
            m_panel.AmpTuneActive = true;
            m_panel.AmpTuneStarted = m_link.clock().now();
            m_link.SendRadioCommand(kKeyed, false, kCommandPause);
            // The periodic sync now holds the transmitter keyed while the
            // amplifier tunes on the carrier.
            m_link.SyncChar = kKeyed;
        }
    } else {
        m_panel.AmpTuneActive = false;
        m_link.SyncChar = kUnkeyed;
        m_link.SendRadioCommand(kUnkeyed, false, kCommandPause);
    }
    m_panel.requests().clear(panel::PanelRequest::cmdTuneAmp);
}

}  // namespace tq::ui
