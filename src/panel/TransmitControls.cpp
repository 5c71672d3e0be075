#include "panel/TransmitControls.h"

#include "panel/StationGateway.h"

#include <QScopeGuard>
#include <QStringList>
#include <utility>

#include "link/FailureReport.h"
#include "link/Pause.h"
#include "link/PortFailure.h"
#include "panel/DisplayFailure.h"
#include "panel/ReplyCodes.h"
#include "panel/VfoControls.h"

namespace tq::panel {

namespace {

constexpr auto kKey = protocol::SyncCharacter::K;
constexpr auto kUnkey = protocol::SyncCharacter::U;
const QString kAme = QStringLiteral("M3");

}  // namespace

TransmitControls::TransmitControls(PanelContext panel, const link::RadioLinkFlags& linkFlags)
    : m_panel(panel),
      m_link(panel.link),
      m_state(panel.link.state()),
      m_commands(panel.commands),
      m_linkFlags(&linkFlags) {}

void TransmitControls::RefreshTransmitState() {
    m_link.gSendSync(m_link.SyncChar);
    if (m_link.port().bytesToRead() > 0) {
        m_link.AwaitRadioReply();
    }
    PanelModel& model = m_panel.model;
    if (m_state.SyncReplied) {
        m_link.SyncCount = 0;
        const bool keyed = m_link.SyncChar == kKey || m_state.RadioKeyed;
        model.syncLabelColour.set(keyed ? Colour::Red : Colour::Green);
        m_state.SyncReplied = false;
    }
    if (model.transmitting() != m_state.RadioKeyed) {
        if (m_state.RadioKeyed) {
            model.syncLabelColour.set(Colour::Red);
        }
        model.transmitting.set(m_state.RadioKeyed);
        m_panel.display.ShowMeterSelection();
        model.frequencyLock.set(m_state.RadioKeyed);
    }
    keepReleaseReachable();
}

void TransmitControls::keepReleaseReachable() {
    // The band limits enable and disable these buttons on every new
    // frequency; a latch the operator cannot click off would stay keyed.
    PanelModel& model = m_panel.model;
    if (model.xmitActive()) {
        model.setEnabled(Control::cmdXmit, true);
        model.setEnabled(Control::cmdTune, false);
    } else if (tuning()) {
        model.setEnabled(Control::cmdTune, true);
        model.setEnabled(Control::cmdXmit, false);
    }
}

void TransmitControls::viewInDataCmd() {
    PanelModel& model = m_panel.model;
    if (!model.visible(Control::txtInData)) {
        model.setVisible(Control::txtInData, true);
        model.rawData.set(QString());
        model.rawDataOn.set(true);
    } else {
        model.setVisible(Control::txtInData, false);
        model.rawDataOn.set(false);
    }
    m_panel.requests.clear(PanelRequest::cmdViewInData);
}

bool TransmitControls::splitOn() const {
    return m_panel.model.split() == Split::On;
}

bool TransmitControls::tuning() const {
    return m_panel.model.tuning();
}

TransmitConditions TransmitControls::conditions() const {
    const PanelModel& model = m_panel.model;
    TransmitConditions conditions;
    conditions.remoteControl = model.controlMode() == ControlMode::Remote;
    conditions.radioReachable = m_link.port().isOpen() && !m_linkFlags->PortLost;
    conditions.scanning = m_panel.flags.ScanActive;
    // Tune or an amplifier tune hold the sync character at "K"; push-to-talk
    // and the latch do too, and are the asker itself.
    conditions.otherHolder = tuning() || model.ampTuneActive();
    conditions.frequency =
        splitOn() ? model.vfoB() : frequencyDigitsOf(m_state.FreqReply).value_or(QString());
    conditions.outOfBandAllowed = m_panel.flags.OutOfBandAllowed;
    return conditions;
}

bool TransmitControls::externalPressed() const {
    return !m_linkFlags->ExtPttState;
}

bool TransmitControls::pttPressRefused() const {
    // The latch and tune already hold the transmitter; a release here would
    // unkey it under them. Any other exchange running is left to finish.
    return m_operationRunning || m_panel.model.xmitActive() || tuning() ||
           (m_vfos != nullptr && m_vfos->exchangeRunning()) || inServedOperation();
}

void TransmitControls::cmdPTT_MouseDown(int button, int /*shift*/, int /*x*/, int /*y*/) {
    PttHeld = button == kLeftButton;
    if (m_pttRunning) {
        // A second press while the loop runs (a double click) only decides
        // whether the running loop goes on holding.
        return;
    }
    const bool external = externalPressed();
    if ((!PttHeld && !external) || pttPressRefused()) {
        return;
    }
    m_pttRunning = true;
    const auto done = qScopeGuard([this] { m_pttRunning = false; });
    bool swapped = false;
    try {
        // Under split the radio transmits on VFO B, which the check takes.
        bool transmit = mayTransmit(conditions());
        if (transmit && splitOn()) {
            transmit = m_vfos != nullptr;
            if (transmit) {
                m_vfos->swapVfos();
                swapped = true;
            }
        }
        if (transmit) {
            holdTransmitter(external);
        }
    } catch (const link::PortFailure& failure) {
        link::reportFailure(m_panel.display, QStringLiteral("cmdPTT_MouseDown"), failure);
    } catch (const DisplayFailure& failure) {
        link::reportFailure(m_panel.display, QStringLiteral("cmdPTT_MouseDown"), failure);
    }
    m_link.SyncChar = kUnkey;
    m_link.gSendSync(kUnkey);
    if (swapped) {
        try {
            m_vfos->swapVfos();
        } catch (const link::PortFailure& failure) {
            link::reportFailure(m_panel.display, QStringLiteral("cmdPTT_MouseDown"), failure);
        }
    }
}

void TransmitControls::holdTransmitter(bool external) {
    // Keyed only now, after any exchange of the VFOs: a keep-alive running
    // in one of the swap's pauses must not key the radio on VFO A.
    m_link.SyncChar = kKey;
    bool externalHeld = external;
    while (PttHeld || externalHeld) {
        RefreshTransmitState();
        link::Pause(m_link.clock(), kPttPoll);
        if (external) {
            externalHeld = externalPressed();
        }
        // A disabled or hidden button never sees its release.
        if (!m_panel.model.canRelease(Control::cmdPTT)) {
            PttHeld = false;
        }
    }
}

void TransmitControls::cmdPTT_MouseUp(int /*button*/, int /*shift*/, int /*x*/, int /*y*/) {
    PttHeld = false;
}

void TransmitControls::noteClick(PanelRequest request) {
    if (request == PanelRequest::cmdXmit) {
        m_xmitWanted = !m_panel.model.xmitActive();
        // The operator's XMT OFF is the newest word: a key request from
        // station software that came before it and waits must not key the
        // radio again after the click is served.
        if (!*m_xmitWanted && m_stationGateway != nullptr) {
            m_stationGateway->withdrawTransmit();
        }
    } else if (request == PanelRequest::cmdTune) {
        m_tuneWanted = !tuning();
    }
}

void TransmitControls::withdrawRequests() {
    for (PanelRequest request :
         {PanelRequest::cmdXmit, PanelRequest::cmdTune, PanelRequest::cmdTuneAmp}) {
        m_panel.requests.clear(request);
    }
    m_xmitWanted.reset();
    m_tuneWanted.reset();
}

void TransmitControls::xmitCmd() {
    m_panel.requests.clear(PanelRequest::cmdXmit);
    const bool on = std::exchange(m_xmitWanted, std::nullopt).value_or(!m_panel.model.xmitActive());
    // A release from station software waiting behind this click meets it
    // here as it would there: the transmitter stays off, not keyed until
    // the release is carried out a moment later.
    if (on && m_stationGateway != nullptr && m_stationGateway->releaseWaiting()) {
        return;
    }
    setLatch(on);
}

void TransmitControls::setLatch(bool on) {
    if (!on) {
        // A release and a click on XMT that waits to be served meet: the
        // transmitter stays off, whichever of them came first.
        m_panel.requests.clear(PanelRequest::cmdXmit);
        m_xmitWanted.reset();
    }
    if (on == m_panel.model.xmitActive()) {
        return;  // already as asked
    }
    m_operationRunning = true;
    const auto done = qScopeGuard([this] { m_operationRunning = false; });
    if (on) {
        xmitOn();
    } else {
        xmitOff();
    }
}

void TransmitControls::xmitOn() {
    if (tuning()) {
        return;  // tune holds the transmitter; its own button ends it
    }
    m_xmitSwapped = false;
    if (!mayTransmit(conditions()) || (splitOn() && m_vfos == nullptr)) {
        m_link.SyncChar = kUnkey;
        return;
    }
    if (splitOn()) {
        m_vfos->swapVfos();
        m_xmitSwapped = true;
    }
    m_link.SyncChar = kKey;
    m_link.gSendSync(kKey);
    m_panel.model.xmitActive.set(true);
    m_panel.model.setEnabled(Control::cmdTune, false);
}

void TransmitControls::xmitOff() {
    // Unkeyed first: nothing that runs in the swap's pauses may key again.
    m_link.SyncChar = kUnkey;
    m_link.gSendSync(kUnkey);
    const auto released = qScopeGuard([this] {
        m_panel.model.xmitActive.set(false);
        m_panel.model.setEnabled(Control::cmdTune, true);
    });
    if (m_xmitSwapped && m_vfos != nullptr) {
        m_xmitSwapped = false;
        m_vfos->swapVfos();
    }
}

void TransmitControls::tuneCmd() {
    m_panel.requests.clear(PanelRequest::cmdTune);
    const bool on = std::exchange(m_tuneWanted, std::nullopt).value_or(!tuning());
    if (on == tuning()) {
        return;  // already as asked
    }
    m_operationRunning = true;
    const auto done = qScopeGuard([this] { m_operationRunning = false; });
    if (on) {
        tuneOn();
    } else {
        tuneOff();
    }
}

void TransmitControls::tuneOn() {
    if (m_panel.model.xmitActive()) {
        return;  // the latch holds the transmitter; its own button ends it
    }
    // Tune keys the radio where it stands, split or not. The button's band
    // limits were set for the frequency of the moment it was clicked; the
    // request may be served after a band list, a scan or a swap moved it.
    TransmitConditions now = conditions();
    now.frequency = frequencyDigitsOf(m_state.FreqReply).value_or(QString());
    if (!mayTransmit(now)) {
        return;
    }
    m_tuneMode = m_state.ModeReply;
    m_tuneSideTone = m_state.SideToneReply;
    m_tunePttEn = m_state.PttEnReply;
    m_tuneSource = m_state.SourceReply;
    m_commands.SelectMode(kAme);
    m_link.gSendSync(kKey);
    m_link.SyncChar = kKey;
    m_panel.model.tuning.set(true);
    m_panel.model.setEnabled(Control::cmdXmit, false);
}

void TransmitControls::tuneOff() {
    // Unkeyed first: the restore below pauses, and nothing that runs in
    // those pauses may key the radio again.
    m_link.SyncChar = kUnkey;
    m_link.gSendSync(kUnkey);
    const auto released = qScopeGuard([this] {
        m_panel.model.tuning.set(false);
        m_panel.model.setEnabled(Control::cmdXmit, true);
    });
    m_link.AwaitRadioReply();

    QStringList missed;
    if (isReplyCode(m_tuneMode, u'M')) {
        if (m_state.FirmwareType == protocol::Firmware::V604Adapt) {
            m_commands.SelectMode(m_tuneMode);
        } else {
            for (int step = 0; step < kModeRestoreSteps && m_state.ModeReply != m_tuneMode;
                 ++step) {
                m_commands.StepModeOnce();
            }
        }
    }
    if (m_state.ModeReply != m_tuneMode) {
        missed << QStringLiteral("Mode ") + m_tuneMode;
    }

    if (isReplyCode(m_tuneSource, u'H')) {
        for (int press = 0; press < kSourceRestoreSteps && m_state.SourceReply != m_tuneSource;
             ++press) {
            m_link.SendRadioCommand(QStringLiteral("H"), true, kRestorePause);
            m_link.AwaitRadioReply();
        }
    }
    if (m_state.SourceReply != m_tuneSource) {
        missed << QStringLiteral("Source ") + m_tuneSource;
    }

    if (isReplyCode(m_tuneSideTone, u'S') && m_state.SideToneReply != m_tuneSideTone) {
        m_link.SendRadioCommand(QStringLiteral("S"), true, kRestorePause);
        m_link.AwaitRadioReply();
    }
    if (m_state.SideToneReply != m_tuneSideTone) {
        missed << QStringLiteral("Sidetone ") + m_tuneSideTone;
    }

    // Only this firmware flips PTT enable with each mode change.
    if (m_state.FirmwareType == protocol::Firmware::V601) {
        if (isReplyCode(m_tunePttEn, u'\'') && m_state.PttEnReply != m_tunePttEn) {
            m_commands.TogglePttEnable();
        }
        if (m_state.PttEnReply != m_tunePttEn) {
            missed << QStringLiteral("PTT Enable ") + m_tunePttEn;
        }
    }
    if (!missed.isEmpty()) {
        m_panel.display.ShowErrorInfo(QStringLiteral("Tune Off: radio did not return to ") +
                                      missed.join(QStringLiteral(", ")));
    }
}

}  // namespace tq::panel
