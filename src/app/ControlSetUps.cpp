#include "app/ControlSetUps.h"

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "link/Pause.h"
#include "panel/PanelColours.h"
#include "panel/SliderReadouts.h"
#include "persist/PersistedAudioSetup.h"
#include "persist/PersistedPermissions.h"
#include "protocol/FirmwareRule.h"
#include "ui/main/StatusDisplay.h"
#include "ui/main/WidgetColours.h"

namespace tq::app {

namespace {

constexpr double kStatusQueryPause = 0.6;

void setEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

void show(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets)
        widget->show();
}

}  // namespace

ControlSetUps::ControlSetUps(Program& program) : m_program(program) {}

bool ControlSetUps::stopping(const StopCheck& stop) const {
    return m_program.ended() || (stop && stop());
}

void ControlSetUps::statusQuery() {
    m_program.link->SendRadioCommand(QStringLiteral("?"), true, kStatusQueryPause);
}

void ControlSetUps::tryUpTo(int tries, const std::function<bool()>& done,
                            const std::function<void()>& step) {
    for (int i = 0; i < tries && !done(); ++i) {
        step();
    }
}

void ControlSetUps::setInfoStandby(bool standby) {
    QLineEdit* info = m_program.window->txtInfo;
    ui::setForeColour(info, QColor(standby ? panel::kRed : panel::kBlack));
    QFont font = info->font();
    font.setBold(standby);
    info->setFont(font);
}

Stage ControlSetUps::remoteSetUp(const StopCheck& stop) {
    if (m_program.SyncLossRestart) {
        return Stage::MainLoopSetUp;
    }
    m_program.ControlMode = QStringLiteral("REMOTE");
    m_program.flags.PanelResetRequest = false;
    m_program.flags.OutOfBandAllowed = persist::checkPermissions(*m_program.window);
    persist::readAudioSetup(m_program.audio, *m_program.window);
    return remotePanelStep(stop);
}

void ControlSetUps::restoreAudio() {
    protocol::RadioState& state = m_program.state;
    const persist::PersistedAudioSettings& saved = m_program.audio;
    ui::ReceiverControls& receiver = *m_program.receiver;
    ui::StatusDisplay& display = m_program.window->display();

    if (state.LocRemAudioReply != saved.SetupLocRem) {
        receiver.ToggleLocalRemote();
    }
    display.ShowRemoteAudio();
    if (state.SourceReply != saved.SetupSource) {
        tryUpTo(
            kSourceTries, [&] { return state.SourceReply == saved.SetupSource; },
            [&] {
                receiver.SetAudioSource(saved.SetupSource);
                m_program.link->AwaitRadioReply();
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
    ui::frmTQ5820& window = *m_program.window;
    protocol::RadioState& state = m_program.state;
    ui::StatusDisplay& display = window.display();

    setEnabled({window.cmdSideTone, window.cmdViewInData, window.cmdVOX, window.cmdClipping,
                window.cmdPTTEn},
               false);
    window.vscRFG->setEnabled(true);
    window.cmbDig->setCurrentText(QStringLiteral("OFF"));
    window.FrequencyLock = true;
    setInfoStandby(true);
    window.showErrorInfo(QStringLiteral("STANDBY - SETTING ALL COMMAND BUTTONS"));
    window.txtInData->show();
    ui::setForeColour(window.lblREMOTE, QColor(panel::kWhite));

    while (!state.StatusComplete) {
        if (stopping(stop))
            return Stage::RemotePanelStep;
        statusQuery();
        m_program.link->AwaitRadioReply();
        m_program.clock.waitForEvents(0);
    }
    protocol::applyFirmwareRule(state, window, protocol::ControlSetUp::Remote);
    restoreAudio();

    if (!state.FreqReplyValid) {
        window.txtInfo->setText(QStringLiteral("Invalid Frequency: Setting frequency to 12345.67"));
        m_program.commands->SendFrequency(QStringLiteral("1234567"));
    }
    display.ShowFrequency();
    bool inBand = state.FreqReplyValid && display.InAmateurBand(state.FreqReply);
    display.ApplyBandLimits(inBand);

    // Full gain. Moving the slider raises the RF gain request as the
    // operator's move would; the main loop sends it.
    window.vscRFG->setValue(panel::kRfgTop);
    window.rfgChanged();

    for (QRadioButton* option : window.optMeter)
        option->setEnabled(true);
    // The meter bar is shown for remote operation, but with the Adapt
    // firmware only once the set-up is through.
    window.pbMeter->setVisible(state.FirmwareType != 2);
    setInfoStandby(false);
    window.txtInfo->clear();
    window.txtInfo->hide();
    show({window.fraLeftButtons, window.fraRightButtons, window.fraRF, window.fraBand,
          window.fraBFO});

    setEnabled({window.cmdMute, window.cmdBFO}, true);
    window.vscBFO->setValue(panel::kBfoZero);
    m_program.receiver->bfoSend();
    // Switched on, then clicked three times: the BFO ends off, with the
    // radio told so and the slider disabled.
    m_program.receiver->BfoOn = true;
    for (int i = 0; i < 3; ++i) {
        m_program.receiver->bfoButton();
    }

    setEnabled({window.cmdSideTone, window.cmdViewInData, window.cmdVOX, window.cmdClipping,
                window.cmdPTTEn, window.cmdTune, window.cmdXmit},
               true);
    window.mnuScanFreqs->setEnabled(true);
    window.mnuScanBands->setEnabled(true);
    window.lblU->show();
    window.lblXMTRCV->setEnabled(true);

    window.pbMeter->setVisible(true);
    m_program.link->AwaitRadioReply();
    statusQuery();
    m_program.link->AwaitRadioReply();
    window.FrequencyLock = false;
    setEnabled({window.cmdAmpPwr, window.cmdAmpOpr, window.cmdTuneAmp}, true);
    m_program.radioPort.setDtr(true);
    link::Pause(m_program.clock, 0.5);
    return Stage::MainLoopSetUp;
}

Stage ControlSetUps::localSetUp(const StopCheck& stop) {
    if (m_program.SyncLossRestart) {
        return Stage::MainLoopSetUp;
    }
    ui::frmTQ5820& window = *m_program.window;
    protocol::RadioState& state = m_program.state;
    m_program.ControlMode = QStringLiteral("LOCAL");
    state.RemoteReplyNew = false;
    state.StatusComplete = false;
    while (!state.StatusComplete) {
        if (stopping(stop))
            return Stage::LocalSetUp;
        statusQuery();
        m_program.link->AwaitRadioReply();
        if (state.StatusComplete) {
            protocol::applyFirmwareRule(state, window, protocol::ControlSetUp::Local);
            break;
        }
        m_program.clock.waitForEvents(0);
    }
    show({window.fraRightButtons, window.fraLeftButtons, window.fraRF, window.fraBand});
    m_program.receiver->BfoOn = false;
    m_program.receiver->BfoCode = QStringLiteral("100");
    if (state.FirmwareType == 2) {
        window.pbMeter->setVisible(false);
    }
    setEnabled({window.cmdMute, window.cmdBFO, window.cmdSideTone}, false);
    window.cmdViewInData->setEnabled(true);
    setEnabled({window.cmdVOX, window.cmdClipping, window.cmdPTTEn, window.cmdTune, window.cmdXmit,
                window.vscRFG},
               false);
    if (state.FirmwareType == 2) {
        m_program.ScanMenusEnabled = true;
    } else if (state.FirmwareType == 1 || state.FirmwareType == 3) {
        m_program.ScanMenusEnabled = false;
    }
    window.FrequencyLock = !m_program.ScanMenusEnabled;
    window.mnuScanFreqs->setEnabled(m_program.ScanMenusEnabled);
    window.mnuScanBands->setEnabled(m_program.ScanMenusEnabled);
    window.lblU->hide();
    window.txtInData->clear();
    window.txtInData->hide();
    return Stage::MainLoopSetUp;
}

}  // namespace tq::app
