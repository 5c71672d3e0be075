#include "app/ControlSetUps.h"

#include "link/Pause.h"
#include "panel/SliderReadouts.h"
#include "persist/PersistedAudioSetup.h"
#include "persist/PersistedPermissions.h"
#include "protocol/FirmwareRule.h"

namespace tq::app {

using panel::Control;

namespace {

constexpr double kStatusQueryPause = 0.6;

void setEnabled(panel::PanelModel& model, std::initializer_list<Control> controls, bool enabled) {
    for (Control control : controls)
        model.setEnabled(control, enabled);
}

}  // namespace

ControlSetUps::ControlSetUps(Program& program) : m_program(program) {}

std::optional<Stage> ControlSetUps::leftForPort() {
    // New port settings or a port that went away end a set-up waiting for
    // the radio's status.
    if (m_program.flags.RadioPortChanged) {
        m_program.flags.RadioPortChanged = false;
        return Stage::PortStep;
    }
    if (m_program.linkFlags.PortLost || !m_program.radioPort.isOpen()) {
        return Stage::PortLost;
    }
    return std::nullopt;
}

bool ControlSetUps::stopping(const StopCheck& stop) const {
    return m_program.ended() || (stop && stop());
}

void ControlSetUps::statusQuery() {
    m_program.radioLink().SendRadioCommand(QStringLiteral("?"), true, kStatusQueryPause);
}

void ControlSetUps::tryUpTo(int tries, const std::function<bool()>& done,
                            const std::function<void()>& step) {
    for (int i = 0; i < tries && !done(); ++i) {
        step();
    }
}

void ControlSetUps::setInfoStandby(bool standby) {
    m_program.model().infoStandby.set(standby);
}

Stage ControlSetUps::remoteSetUp(const StopCheck& stop) {
    if (m_program.SyncLossRestart) {
        return Stage::MainLoopSetUp;
    }
    m_program.model().controlMode.set(panel::ControlMode::Remote);
    m_program.flags.PanelResetRequest = false;
    m_program.flags.OutOfBandAllowed = persist::checkPermissions(m_program.panel->display());
    persist::readAudioSetup(m_program.audio, m_program.panel->display());
    return remotePanelStep(stop);
}

void ControlSetUps::restoreAudio() {
    protocol::RadioState& state = m_program.state;
    const persist::PersistedAudioSettings& saved = m_program.audio;
    panel::ReceiverControls& receiver = m_program.panel->receiver();
    panel::StatusDisplay& display = m_program.panel->display();

    if (state.LocRemAudioReply != saved.SetupLocRem) {
        receiver.ToggleLocalRemote();
    }
    display.ShowRemoteAudio();
    if (state.SourceReply != saved.SetupSource) {
        tryUpTo(
            kSourceTries, [&] { return state.SourceReply == saved.SetupSource; },
            [&] {
                receiver.SetAudioSource(saved.SetupSource);
                m_program.radioLink().AwaitRadioReply();
                link::Pause(m_program.clock, 0.2);
            });
    }
    display.ShowSource();
    tryUpTo(
        kClipTries, [&] { return state.ClipReply == u"I0"; }, [&] { receiver.clippingCmd(); });
    display.ShowClip();
    tryUpTo(
        kPttEnableTries, [&] { return state.PttEnReply == saved.SetupPttEn; },
        [&] { receiver.pttEnableCmd(); });
    display.ShowPttEn();
    state.SavedPttEn = state.PttEnReply;
    display.ShowSideTone();
    tryUpTo(
        kVoxTries, [&] { return state.VoxReply == u"V0"; }, [&] { receiver.voxStep(); });
    display.ShowVox();
    display.ShowAgc();
    display.ShowMode();
}

Stage ControlSetUps::remotePanelStep(const StopCheck& stop) {
    holdPanelForSetUp();
    if (const auto left = awaitCompleteStatus(stop, Stage::RemotePanelStep)) {
        return *left;
    }
    protocol::applyFirmwareRule(m_program.state, m_program.panel->display(),
                                protocol::ControlSetUp::Remote);
    restoreAudio();
    showFrequencyAndBandLimits();
    resetReceiverControls();
    releasePanelAfterSetUp();
    return Stage::MainLoopSetUp;
}

std::optional<Stage> ControlSetUps::awaitCompleteStatus(const StopCheck& stop, Stage here) {
    protocol::RadioState& state = m_program.state;
    while (!state.StatusComplete) {
        if (stopping(stop)) {
            return here;
        }
        if (const auto away = leftForPort()) {
            return away;
        }
        statusQuery();
        m_program.radioLink().AwaitRadioReply();
        if (!state.StatusComplete) {
            m_program.clock.waitForEvents(0);
        }
    }
    return std::nullopt;
}

void ControlSetUps::holdPanelForSetUp() {
    panel::PanelModel& model = m_program.model();
    setEnabled(model,
               {Control::cmdSideTone, Control::cmdViewInData, Control::cmdVOX, Control::cmdClipping,
                Control::cmdPTTEn},
               false);
    model.setEnabled(Control::vscRFG, true);
    model.digitalMode.set(panel::DigitalMode::Off);
    model.frequencyLock.set(true);
    setInfoStandby(true);
    m_program.panel->display().ShowErrorInfo(
        QStringLiteral("STANDBY - SETTING ALL COMMAND BUTTONS"));
    model.setVisible(Control::txtInData, true);
    model.remoteIndicatorColour.set(panel::Colour::White);
}

void ControlSetUps::showFrequencyAndBandLimits() {
    panel::Panel& panel = *m_program.panel;
    const protocol::RadioState& state = m_program.state;
    panel::StatusDisplay& display = panel.display();
    if (!state.FreqReplyValid) {
        panel.model().info.set(QStringLiteral("Invalid Frequency: Setting frequency to 12345.67"));
        panel.commands().SendFrequency(QStringLiteral("1234567"));
    }
    display.ShowFrequency();
    bool inBand = state.FreqReplyValid && display.InAmateurBand(state.FreqReply);
    display.ApplyBandLimits(inBand);
}

void ControlSetUps::resetReceiverControls() {
    panel::Panel& panel = *m_program.panel;
    panel::PanelModel& model = panel.model();
    // Full gain. Moving the slider raises the RF gain request as the
    // operator's move would; the main loop sends it.
    panel.setRfGain(panel::kRfgTop);
    panel.rfgChanged();

    model.setEnabled(Control::optMeter, true);
    // The meter bar is shown for remote operation, but with the Adapt
    // firmware only once the set-up is through.
    model.setVisible(Control::pbMeter,
                     m_program.state.FirmwareType != protocol::Firmware::V604Adapt);
    setInfoStandby(false);
    model.info.set(QString());
    model.setVisible(Control::txtInfo, false);

    setEnabled(model, {Control::cmdMute, Control::cmdBFO}, true);
    panel.setBfoValue(panel::kBfoZero);
    panel.receiver().bfoSend();
    // Switched on, then clicked three times: the BFO ends off, with the
    // radio told so and the slider disabled.
    panel.receiver().BfoOn = true;
    for (int i = 0; i < 3; ++i) {
        panel.receiver().bfoButton();
    }
}

void ControlSetUps::releasePanelAfterSetUp() {
    panel::PanelModel& model = m_program.model();
    protocol::RadioLink& radio = m_program.radioLink();
    setEnabled(model,
               {Control::cmdSideTone, Control::cmdViewInData, Control::cmdVOX, Control::cmdClipping,
                Control::cmdPTTEn, Control::cmdTune, Control::cmdXmit},
               true);
    setEnabled(model, {Control::mnuScanFreqs, Control::mnuScanBands}, true);
    model.setVisible(Control::lblU, true);
    model.setEnabled(Control::lblXMTRCV, true);

    model.setVisible(Control::pbMeter, true);
    radio.AwaitRadioReply();
    statusQuery();
    radio.AwaitRadioReply();
    model.frequencyLock.set(false);
    setEnabled(model, {Control::cmdAmpPwr, Control::cmdAmpOpr, Control::cmdTuneAmp}, true);
    m_program.radioPort.setDtr(true);
    link::Pause(m_program.clock, 0.5);
}

Stage ControlSetUps::localSetUp(const StopCheck& stop) {
    if (m_program.SyncLossRestart) {
        return Stage::MainLoopSetUp;
    }
    protocol::RadioState& state = m_program.state;
    m_program.model().controlMode.set(panel::ControlMode::Local);
    state.RemoteReplyNew = false;
    state.StatusComplete = false;
    if (const auto left = awaitCompleteStatus(stop, Stage::LocalSetUp)) {
        return *left;
    }
    protocol::applyFirmwareRule(state, m_program.panel->display(), protocol::ControlSetUp::Local);
    arrangeLocalPanel();
    return Stage::MainLoopSetUp;
}

void ControlSetUps::arrangeLocalPanel() {
    panel::Panel& panel = *m_program.panel;
    panel::PanelModel& model = panel.model();
    const protocol::RadioState& state = m_program.state;
    panel.receiver().BfoOn = false;
    panel.receiver().BfoCode = QStringLiteral("100");
    const bool adapt = state.FirmwareType == protocol::Firmware::V604Adapt;
    if (adapt) {
        model.setVisible(Control::pbMeter, false);
    }
    setEnabled(model, {Control::cmdMute, Control::cmdBFO, Control::cmdSideTone}, false);
    model.setEnabled(Control::cmdViewInData, true);
    setEnabled(model,
               {Control::cmdVOX, Control::cmdClipping, Control::cmdPTTEn, Control::cmdTune,
                Control::cmdXmit, Control::vscRFG},
               false);
    if (state.FirmwareType != protocol::Firmware::Undecided) {
        m_program.ScanMenusEnabled = adapt;
    }
    model.frequencyLock.set(!m_program.ScanMenusEnabled);
    setEnabled(model, {Control::mnuScanFreqs, Control::mnuScanBands}, m_program.ScanMenusEnabled);
    model.setVisible(Control::lblU, false);
    model.rawData.set(QString());
    model.setVisible(Control::txtInData, false);
}

}  // namespace tq::app
