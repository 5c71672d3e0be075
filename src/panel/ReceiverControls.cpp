#include "panel/ReceiverControls.h"

#include "panel/ReplyCodes.h"
#include "panel/SliderReadouts.h"

namespace tq::panel {

namespace {

using protocol::Firmware;

// The first firmware has one command that flips local and remote audio.
const QString kLocalRemoteToggle = QStringLiteral("\"");

// The source the source key can select; "OFF/CW" is only ever reported.
const QString kSourceOffCw = QStringLiteral("H4");

}  // namespace

ReceiverControls::ReceiverControls(PanelContext panel, const QString& digitalSource,
                                   const QString& digitalVox)
    : m_panel(panel),
      m_link(panel.link),
      m_commands(panel.commands),
      m_state(panel.link.state()),
      m_digitalSource(digitalSource),
      m_digitalVox(digitalVox) {}

void ReceiverControls::modeCmd() {
    if (const auto code = replyOf(m_panel.model.mode())) {
        m_commands.SelectMode(*code);
    }
    m_panel.requests.clear(PanelRequest::cmbMode);
}

void ReceiverControls::agcCmd() {
    const Agc chosen = m_panel.model.agc();
    // Only the Adapt firmware can switch AGC off; elsewhere the box goes
    // back to what the radio reports.
    if (chosen == Agc::Off && m_state.FirmwareType != Firmware::V604Adapt) {
        m_panel.display.ShowAgc();
    } else if (const auto code = replyOf(chosen)) {
        m_commands.StepAgc(*code);
    }
    m_panel.requests.clear(PanelRequest::cmbAGC);
}

void ReceiverControls::meterCmd() {
    m_panel.requests.clear(PanelRequest::optMeter);
    m_commands.StepMeter(QStringLiteral("D%1").arg(m_panel.model.meterChoice() + 1));
}

void ReceiverControls::sourceCmd() {
    const Source chosen = m_panel.model.source();
    if (chosen == Source::Remote) {
        SetLocalRemote(QStringLiteral("REMOTE"));
    } else {
        const auto code = replyOf(chosen);
        if (code && *code != kSourceOffCw) {
            SetAudioSource(*code);
        }
    }
    m_link.AwaitRadioReply();
    m_panel.requests.clear(PanelRequest::cmbSource);
}

void ReceiverControls::SetLocalRemote(const QString& word) {
    if (word != u"REMOTE" && word != u"LOCAL") {
        return;
    }
    const QString& code = word == u"REMOTE" ? kRemoteAudio : kLocalAudio;
    for (int tries = 0; m_state.LocRemAudioReply != code; ++tries) {
        if (tries == kLocalRemoteTries) {
            m_panel.display.ShowErrorInfo(
                QStringLiteral("Radio did not switch to %1 audio..").arg(word));
            return;
        }
        m_link.SendRadioCommand(m_state.FirmwareType == Firmware::V601 ? kLocalRemoteToggle : code,
                                true, 0.2);
        m_link.AwaitRadioReply();
    }
}

void ReceiverControls::sendLocalAudio(double pauseSeconds) {
    m_link.SendRadioCommand(
        m_state.FirmwareType == Firmware::V601 ? kLocalRemoteToggle : kLocalAudio, true,
        pauseSeconds);
}

void ReceiverControls::SetAudioSource(const QString& code) {
    if (m_state.LocRemAudioReply == kRemoteAudio) {
        sendLocalAudio(0.1);
    }
    const int current = m_state.SourceReply.mid(1, 1).toInt();
    int target = code.mid(1, 1).toInt();
    if (current == target) {
        return;
    }
    // The source key cycles through three positions.
    if (current > target) {
        target += 3;
    }
    if (target > current) {
        m_link.SendRadioCommand(QStringLiteral("H").repeated(target - current), true, 0.2);
    }
}

void ReceiverControls::ToggleLocalRemote() {
    QString command;
    if (m_state.FirmwareType == Firmware::V601) {
        command = kLocalRemoteToggle;
    } else if (m_state.LocRemAudioReply == kRemoteAudio) {
        command = kLocalAudio;
    } else if (m_state.LocRemAudioReply == kLocalAudio) {
        command = kRemoteAudio;
    }
    if (!command.isEmpty()) {
        m_link.SendRadioCommand(command, true, 0.2);
    }
    m_link.AwaitRadioReply();
}

void ReceiverControls::stepVoxTo(const QString& target) {
    for (int tries = 0; tries < 3 && m_state.VoxReply != target; ++tries) {
        voxStep();
    }
}

void ReceiverControls::digitalModeCmd() {
    m_panel.requests.clear(PanelRequest::cmbDig);
    if (m_panel.model.digitalMode() != DigitalMode::Off) {
        // Switching between digital modes keeps what the first one saved.
        if (SavedSource.isEmpty())
            SavedSource = m_state.SourceReply;
        if (SavedLocRem.isEmpty())
            SavedLocRem = m_state.LocRemAudioReply;
        SetLocalRemote(QStringLiteral("LOCAL"));
        if (isReplyCode(m_digitalSource, u'H')) {
            SetAudioSource(m_digitalSource);
        }
        if (SavedVox.isEmpty())
            SavedVox = m_state.VoxReply;
        if (isReplyCode(m_digitalVox, u'V')) {
            stepVoxTo(m_digitalVox);
        }
    } else {
        // The source first: setting it switches the audio path to local,
        // which would undo a remote path put back before it.
        if (isReplyCode(SavedSource, u'H')) {
            SetAudioSource(SavedSource);
            SavedSource.clear();
        }
        if (SavedLocRem == kRemoteAudio) {
            SetLocalRemote(QStringLiteral("REMOTE"));
            SavedLocRem.clear();
        }
        if (isReplyCode(SavedVox, u'V')) {
            stepVoxTo(SavedVox);
            SavedVox.clear();
        }
    }
}

void ReceiverControls::muteCmd() {
    const OnOff shown = m_panel.model.mute();
    if (shown == OnOff::On) {
        m_link.SendRadioCommand(QStringLiteral("(0"), true, 0.2);
    } else if (shown == OnOff::Off) {
        m_link.SendRadioCommand(QStringLiteral("(1"), true, 0.2);
    }
    m_panel.requests.clear(PanelRequest::cmdMute);
}

void ReceiverControls::pttEnableCmd() {
    m_commands.TogglePttEnable();
    m_panel.requests.clear(PanelRequest::cmdPTTEn);
}

void ReceiverControls::sideToneCmd() {
    m_link.SendRadioCommand(QStringLiteral("S"), true, 0.2);
    m_link.AwaitRadioReply();
    if (m_state.SideToneReplyNew) {
        m_panel.display.ShowSideTone();
        m_state.SideToneReplyNew = false;
    }
    m_panel.requests.clear(PanelRequest::cmdSideTone);
}

void ReceiverControls::voxStep() {
    m_link.SendRadioCommand(QStringLiteral("V"), true, 0.2);
    m_link.AwaitRadioReply();
    m_panel.requests.clear(PanelRequest::cmdVOX);
}

void ReceiverControls::clippingCmd() {
    m_link.SendRadioCommand(QStringLiteral("I"), true, 0.2);
    m_link.AwaitRadioReply();
    m_panel.requests.clear(PanelRequest::cmdClipping);
}

void ReceiverControls::refreshCmd() {
    m_link.SendRadioCommand(QStringLiteral("?"), true, 0.6);
    m_panel.requests.clear(PanelRequest::cmdGetStatus);
}

void ReceiverControls::bfoSend() {
    const int value = m_panel.model.bfoValue();
    m_panel.model.bfoSign.set(value < kBfoZero   ? BfoSign::Minus
                              : value > kBfoZero ? BfoSign::Plus
                                                 : BfoSign::Blank);
    BfoCode = QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
    if (m_panel.model.bfoOn()) {
        m_link.writeDirect(u'B' + BfoCode + u'\n');
    }
    m_panel.requests.clear(PanelRequest::vscBFO);
}

void ReceiverControls::bfoButton() {
    PanelModel& model = m_panel.model;
    if (!BfoOn) {
        BfoOn = true;
        model.bfoOn.set(true);
        model.bfoLabel.set(true);
        model.bfoSign.set(BfoSign::Blank);
        // The slider's change handler runs as for a move of the slider.
        m_panel.requests.raise(PanelRequest::vscBFO);
        model.setEnabled(Control::vscBFO, true);
    } else {
        BfoOn = false;
        model.bfoOn.set(false);
        BfoCode = QStringLiteral("100");
        m_link.writeDirect(QStringLiteral("B100\n"));
        model.setEnabled(Control::vscBFO, false);
        model.bfoLabel.set(false);
        model.bfoSign.set(BfoSign::Blank);
    }
    m_panel.requests.clear(PanelRequest::cmdBFO);
}

void ReceiverControls::rfGainSend() {
    // Full gain is the top of the slider: the radio counts down from there.
    const int gain = kRfgTop - m_panel.model.rfGain();
    m_link.SendRadioCommand(QStringLiteral("G%1").arg(gain, 2, 10, QLatin1Char('0')), true, 0.1);
    m_panel.requests.clear(PanelRequest::vscRFG);
}

}  // namespace tq::panel
