#include "ui/main/ReceiverControls.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "panel/ReplyCaptions.h"
#include "panel/SliderReadouts.h"
#include "ui/main/StatusDisplay.h"

namespace tq::ui {

namespace {

// The first firmware has one command that flips local and remote audio.
const QString kLocalRemoteToggle = QStringLiteral("\"");

// The source the source key can select; "OFF/CW" is only ever reported.
const QString kSourceOffCw = QStringLiteral("H4");

}  // namespace

ReceiverControls::ReceiverControls(frmTQ5820& panel, protocol::RadioLink& link,
                                   protocol::RadioCommands& commands, const QString& digitalSource,
                                   const QString& digitalVox)
    : m_panel(panel),
      m_link(link),
      m_commands(commands),
      m_state(link.state()),
      m_digitalSource(digitalSource),
      m_digitalVox(digitalVox) {}

void ReceiverControls::modeCmd() {
    if (const auto code = panel::replyFor(panel::modeCaptions(), m_panel.cmbMode->currentText())) {
        m_commands.SelectMode(*code);
    }
    m_panel.requests().clear(panel::PanelRequest::cmbMode);
}

void ReceiverControls::agcCmd() {
    const QString text = m_panel.cmbAGC->currentText();
    // Only the Adapt firmware can switch AGC off; elsewhere the combo goes
    // back to what the radio reports.
    if (text == u"OFF" && m_state.FirmwareType != 2) {
        m_panel.display().ShowAgc();
    } else {
        if (const auto code = panel::replyFor(panel::agcCaptions(), text)) {
            m_commands.StepAgc(*code);
        }
    }
    m_panel.requests().clear(panel::PanelRequest::cmbAGC);
}

void ReceiverControls::meterCmd() {
    m_panel.requests().clear(panel::PanelRequest::optMeter);
    m_commands.StepMeter(QStringLiteral("D%1").arg(m_panel.meterChoice() + 1));
}

void ReceiverControls::sourceCmd() {
    const QString text = m_panel.cmbSource->currentText();
    if (text == u"REMOTE") {
        SetLocalRemote(QStringLiteral("REMOTE"));
    } else {
        const auto code = panel::replyFor(panel::sourceCaptions(), text);
        if (code && *code != kSourceOffCw) {
            SetAudioSource(*code);
        }
    }
    m_link.AwaitRadioReply();
    m_panel.requests().clear(panel::PanelRequest::cmbSource);
}

void ReceiverControls::SetLocalRemote(const QString& word) {
    if (word != u"REMOTE" && word != u"LOCAL") {
        return;
    }
    const QString& code = word == u"REMOTE" ? panel::kRemoteAudio : panel::kLocalAudio;
    for (int tries = 0; m_state.LocRemAudioReply != code; ++tries) {
        if (tries == kLocalRemoteTries) {
            m_panel.showErrorInfo(QStringLiteral("Radio did not switch to %1 audio..").arg(word));
            return;
        }
        m_link.SendRadioCommand(m_state.FirmwareType == 1 ? kLocalRemoteToggle : code, true, 0.2);
        m_link.AwaitRadioReply();
    }
}

void ReceiverControls::sendLocalAudio(double pauseSeconds) {
    m_link.SendRadioCommand(m_state.FirmwareType == 1 ? kLocalRemoteToggle : panel::kLocalAudio,
                            true, pauseSeconds);
}

void ReceiverControls::SetAudioSource(const QString& code) {
    if (m_state.LocRemAudioReply == panel::kRemoteAudio) {
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
    if (m_state.FirmwareType == 1) {
        command = kLocalRemoteToggle;
    } else if (m_state.LocRemAudioReply == panel::kRemoteAudio) {
        command = panel::kLocalAudio;
    } else if (m_state.LocRemAudioReply == panel::kLocalAudio) {
        command = panel::kRemoteAudio;
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
    m_panel.requests().clear(panel::PanelRequest::cmbDig);
    const QString text = m_panel.cmbDig->currentText();
    if (text == u"PSK" || text == u"FSK" || text == u"RTTY") {
        // Switching between digital modes keeps what the first one saved.
        if (SavedSource.isEmpty())
            SavedSource = m_state.SourceReply;
        if (SavedLocRem.isEmpty())
            SavedLocRem = m_state.LocRemAudioReply;
        SetLocalRemote(QStringLiteral("LOCAL"));
        if (panel::isReplyCode(m_digitalSource, u'H')) {
            SetAudioSource(m_digitalSource);
        }
        if (SavedVox.isEmpty())
            SavedVox = m_state.VoxReply;
        if (panel::isReplyCode(m_digitalVox, u'V')) {
            stepVoxTo(m_digitalVox);
        }
    } else if (text == u"OFF") {
        if (SavedLocRem == panel::kRemoteAudio) {
            SetLocalRemote(QStringLiteral("REMOTE"));
            SavedLocRem.clear();
        }
        if (panel::isReplyCode(SavedSource, u'H')) {
            SetAudioSource(SavedSource);
            SavedSource.clear();
        }
        if (panel::isReplyCode(SavedVox, u'V')) {
            stepVoxTo(SavedVox);
            SavedVox.clear();
        }
    }
}

void ReceiverControls::muteCmd() {
    const QString shown = m_panel.lblMute->text();
    if (shown == u"ON") {
        m_link.SendRadioCommand(QStringLiteral("(0"), true, 0.2);
    } else if (shown == u"OFF") {
        m_link.SendRadioCommand(QStringLiteral("(1"), true, 0.2);
    }
    m_panel.requests().clear(panel::PanelRequest::cmdMute);
}

void ReceiverControls::pttEnableCmd() {
    m_commands.TogglePttEnable();
    m_panel.requests().clear(panel::PanelRequest::cmdPTTEn);
}

void ReceiverControls::sideToneCmd() {
    m_link.SendRadioCommand(QStringLiteral("S"), true, 0.2);
    m_link.AwaitRadioReply();
    if (m_state.SideToneReplyNew) {
        m_panel.showSideTone();
        m_state.SideToneReplyNew = false;
    }
    m_panel.requests().clear(panel::PanelRequest::cmdSideTone);
}

void ReceiverControls::voxStep() {
    m_link.SendRadioCommand(QStringLiteral("V"), true, 0.2);
    m_link.AwaitRadioReply();
    m_panel.requests().clear(panel::PanelRequest::cmdVOX);
}

void ReceiverControls::clippingCmd() {
    m_link.SendRadioCommand(QStringLiteral("I"), true, 0.2);
    m_link.AwaitRadioReply();
    m_panel.requests().clear(panel::PanelRequest::cmdClipping);
}

void ReceiverControls::refreshCmd() {
    m_link.SendRadioCommand(QStringLiteral("?"), true, 0.6);
    m_panel.requests().clear(panel::PanelRequest::cmdGetStatus);
}

void ReceiverControls::bfoSend() {
    const int value = m_panel.vscBFO->value();
    m_panel.lblPorM->setText(value < panel::kBfoZero   ? QStringLiteral("-")
                             : value > panel::kBfoZero ? QStringLiteral("+")
                                                       : QString());
    BfoCode = QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
    if (m_panel.cmdBFO->text() == u"OFF") {
        m_link.writeDirect(u'B' + BfoCode + u'\n');
    }
    m_panel.requests().clear(panel::PanelRequest::vscBFO);
}

void ReceiverControls::bfoButton() {
    if (!BfoOn) {
        BfoOn = true;
        m_panel.cmdBFO->setText(QStringLiteral("OFF"));
        m_panel.lblBFOOn->setText(QStringLiteral("BFO"));
        m_panel.lblPorM->clear();
        m_panel.bfoChanged();
        m_panel.vscBFO->setEnabled(true);
    } else {
        BfoOn = false;
        m_panel.cmdBFO->setText(QStringLiteral("ON"));
        BfoCode = QStringLiteral("100");
        m_link.writeDirect(QStringLiteral("B100\n"));
        m_panel.vscBFO->setEnabled(false);
        m_panel.lblBFOOn->clear();
        m_panel.lblPorM->clear();
    }
    m_panel.requests().clear(panel::PanelRequest::cmdBFO);
}

void ReceiverControls::rfGainSend() {
    // Full gain is the top of the slider: the radio counts down from there.
    const int gain = panel::kRfgTop - m_panel.vscRFG->value();
    m_link.SendRadioCommand(QStringLiteral("G%1").arg(gain, 2, 10, QLatin1Char('0')), true, 0.1);
    m_panel.requests().clear(panel::PanelRequest::vscRFG);
}

}  // namespace tq::ui
