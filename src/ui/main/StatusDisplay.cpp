#include "ui/main/StatusDisplay.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "link/PortFailure.h"
#include "panel/AmateurBands.h"
#include "panel/AmplifierTables.h"
#include "panel/DisplayFailure.h"
#include "panel/MeterScale.h"
#include "panel/PanelColours.h"
#include "panel/ReplyCaptions.h"
#include "protocol/ProgramFlags.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "protocol/RadioState.h"
#include "ui/main/ComboText.h"
#include "ui/main/StepButton.h"
#include "ui/main/WidgetColours.h"
#include "ui/main/frmTQ5820.h"

namespace tq::ui {

using protocol::RadioState;

namespace {

const QString kPttEnabled = QStringLiteral("'1");
const QString kPttDisabled = QStringLiteral("'0");
const QString kUnkeyed = QStringLiteral("U");

// Where the parts of a channel entry ("P", channel, 7 digits, mode digit)
// start, counted from 0.
constexpr int kChannelFreqStart = 3;
constexpr int kChannelModeAt = 10;

void showCaption(QLabel* label, std::span<const panel::CaptionRow> table, const QString& reply) {
    if (const auto caption = panel::captionFor(table, reply)) {
        label->setText(*caption);
    }
}

void showInCombo(QComboBox* combo, std::span<const panel::CaptionRow> table, const QString& reply) {
    if (const auto caption = panel::captionFor(table, reply)) {
        setComboText(combo, *caption);
    }
}

/// Unchecks every button of an exclusive group: Qt keeps one checked unless
/// exclusivity is lifted while they are cleared.
void uncheckAll(const std::array<QRadioButton*, panel::kMeterCount>& options) {
    for (QRadioButton* option : options) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

}  // namespace

StatusDisplay::StatusDisplay(frmTQ5820& window, protocol::RadioState& state,
                             protocol::ProgramFlags& flags)
    : m_window(window), m_state(state), m_flags(flags) {}

void StatusDisplay::attachLink(protocol::RadioLink& link, protocol::RadioCommands& commands) {
    m_link = &link;
    m_commands = &commands;
}

void StatusDisplay::gUpdateDisplay() {
    struct Step {
        bool RadioState::*flag;
        void (StatusDisplay::*show)();
    };
    // The order is part of the behaviour: the control mode first, the
    // frequency (with the band limits, which may send) before the settings
    // that depend on it, a channel read for the channel manager last.
    static constexpr std::array<Step, 15> kSteps{{
        {&RadioState::RemoteReplyNew, &StatusDisplay::ShowRemote},
        {&RadioState::AgcReplyNew, &StatusDisplay::ShowAgc},
        {&RadioState::ModeReplyNew, &StatusDisplay::ShowMode},
        {&RadioState::FreqReplyNew, &StatusDisplay::refreshFrequency},
        {&RadioState::SourceReplyNew, &StatusDisplay::ShowSource},
        {&RadioState::LocRemAudioReplyNew, &StatusDisplay::ShowRemoteAudio},
        {&RadioState::ClipReplyNew, &StatusDisplay::ShowClip},
        {&RadioState::MeterSelReplyNew, &StatusDisplay::ShowMeterSelection},
        {&RadioState::PttEnReplyNew, &StatusDisplay::ShowPttEn},
        {&RadioState::MuteReplyNew, &StatusDisplay::ShowMute},
        {&RadioState::SideToneReplyNew, &StatusDisplay::ShowSideTone},
        {&RadioState::VoxReplyNew, &StatusDisplay::ShowVox},
        {&RadioState::AmpReplyNew, &StatusDisplay::refreshAmplifier},
        {&RadioState::TuneReplyNew, &StatusDisplay::ShowAmpTune},
        {&RadioState::ChanDataReplyNew, &StatusDisplay::ShowChannelData},
    }};
    try {
        for (const Step& step : kSteps) {
            if (m_state.*step.flag) {
                (this->*step.show)();
                m_state.*step.flag = false;
            }
        }
    } catch (const panel::DisplayFailure& failure) {
        reportFailure(failure.number(), failure.description());
    } catch (const link::PortFailure& failure) {
        reportFailure(failure.number(), failure.description());
    }
}

void StatusDisplay::reportFailure(int number, const QString& description) {
    ShowErrorInfo(QStringLiteral("gUpdateDisplay: Err %1. %2").arg(number).arg(description));
}

void StatusDisplay::refreshFrequency() {
    ShowFrequency();
    // Cleared before the band check: a reply that is not a number is
    // reported once, not on every refresh.
    m_state.FreqReplyNew = false;
    bool inBand = InAmateurBand(m_state.FreqReply);
    ApplyBandLimits(inBand);
}

void StatusDisplay::refreshAmplifier() {
    ShowAmplifier();
    ShowAmpTune();
}

void StatusDisplay::gDisplayMeterData(const QString& line) {
    m_state.MeterValue = panel::meterReading(line);
    QProgressBar* bar = m_window.pbMeter;
    if (m_state.MeterValue >= bar->minimum() && m_state.MeterValue <= bar->maximum()) {
        bar->setValue(m_state.MeterValue);
    }
}

void StatusDisplay::ShowErrorInfo(const QString& text) {
    m_window.txtInfo->setText(text);
    m_window.txtInfo->setVisible(true);
}

bool StatusDisplay::InAmateurBand(const QString& text) const {
    const auto inBand = panel::InAmateurBand(text, m_flags.OutOfBandAllowed);
    if (!inBand) {
        throw panel::DisplayFailure(panel::DisplayFailure::kTypeMismatch,
                                    QStringLiteral("Type mismatch"));
    }
    return *inBand;
}

void StatusDisplay::ApplyBandLimits(bool& inBand) {
    if (m_flags.ScanActive) {
        inBand = false;
    }
    for (QPushButton* control : {m_window.cmdPTTEn, m_window.cmdXmit, m_window.cmdTune,
                                 static_cast<QPushButton*>(m_window.cmdPTT)}) {
        control->setEnabled(inBand);
    }
    QLabel* label = m_window.lblInBand;
    if (inBand) {
        if (m_state.PttEnReply == kPttDisabled && m_commands != nullptr) {
            m_commands->TogglePttEnable();
        }
        label->setText(QString());
        setBackColour(label, QColor(panel::kLightGrey));
        return;
    }
    if (m_state.PttEnReply == kPttEnabled && m_commands != nullptr) {
        m_commands->TogglePttEnable();
    }
    if (m_flags.ScanActive) {
        label->setText(QStringLiteral("Scanning"));
    } else {
        label->setText(QStringLiteral("Out Of Band"));
        setBackColour(label, QColor(panel::kRed));
    }
}

void StatusDisplay::ShowFrequency() {
    const auto digits = panel::frequencyDigitsOf(m_state.FreqReply);
    if (!digits) {
        return;
    }
    for (int i = 0; i < frmTQ5820::kDigits; ++i) {
        m_window.cmdF[static_cast<std::size_t>(i)]->setText(digits->at(i));
    }
}

void StatusDisplay::ShowMode() {
    showInCombo(m_window.cmbMode, panel::modeCaptions(), m_state.ModeReply);
}

void StatusDisplay::ShowAgc() {
    showInCombo(m_window.cmbAGC, panel::agcCaptions(), m_state.AgcReply);
}

void StatusDisplay::ShowSource() {
    // A remote audio path hides the source: the combo then reads REMOTE.
    if (m_state.LocRemAudioReply == panel::kLocalAudio) {
        showInCombo(m_window.cmbSource, panel::sourceCaptions(), m_state.SourceReply);
    }
}

void StatusDisplay::ShowRemoteAudio() {
    if (m_state.LocRemAudioReply == panel::kRemoteAudio) {
        setComboText(m_window.cmbSource, QStringLiteral("REMOTE"));
    }
}

void StatusDisplay::ShowRemote() {
    if (const auto caption = panel::captionFor(panel::remoteCaptions(), m_state.RemoteReply)) {
        setForeColour(m_window.lblREMOTE, buttonTextColour());
        m_window.lblREMOTE->setText(*caption);
    }
}

void StatusDisplay::greyMeterLabels() {
    for (QLabel* label : m_window.lblMeter) {
        setForeColour(label, greyTextColour());
    }
}

void StatusDisplay::ShowMeterSelection() {
    greyMeterLabels();
    uncheckAll(m_window.optMeter);
    const auto index = panel::meterIndexOf(m_state.MeterSelReply);
    if (!index) {
        return;
    }
    const auto k = static_cast<std::size_t>(*index);
    setForeColour(m_window.lblMeter[k], buttonTextColour());
    m_window.optMeter[k]->setChecked(true);
    if (const auto scale = panel::meterScaleFor(m_state.MeterSelReply, m_state.RadioKeyed)) {
        m_window.lblMeterScale->setText(*scale);
    }
}

void StatusDisplay::ShowMute() {
    showCaption(m_window.lblMute, panel::muteCaptions(), m_state.MuteReply);
}

void StatusDisplay::ShowClip() {
    showCaption(m_window.lblClipping, panel::clipCaptions(), m_state.ClipReply);
}

void StatusDisplay::ShowPttEn() {
    showCaption(m_window.lblPTTEn, panel::pttEnableCaptions(), m_state.PttEnReply);
}

void StatusDisplay::ShowSideTone() {
    showCaption(m_window.lblSideTone, panel::sideToneCaptions(), m_state.SideToneReply);
}

void StatusDisplay::ShowVox() {
    showCaption(m_window.lblVox, panel::voxCaptions(), m_state.VoxReply);
}

void StatusDisplay::ShowAmplifier() {
    const panel::AmpPowerRow* row = panel::ampPowerRow(m_state.AmpReply);
    if (row == nullptr) {
        return;
    }
    m_window.lblAmpPwr->setText(QString::fromLatin1(row->powerCaption));
    setBackColour(m_window.lblAmpPwr, QColor(row->powerColour));
    m_window.cmdTuneAmp->setEnabled(row->tuneEnabled);
    if (!row->keepTunedCaption) {
        m_window.lblAmpTuned->setText(QString());
    }
    setBackColour(m_window.lblAmpTuned, QColor(row->tunedColour));
    m_window.lblAmpOpStby->setText(QString::fromLatin1(row->opStbyCaption));
    setBackColour(m_window.lblAmpOpStby, QColor(row->opStbyColour));
}

void StatusDisplay::ShowAmpTune() {
    if (m_state.AmpReply != panel::kAmpOperating) {
        return;
    }
    const panel::AmpTuneRow* row = panel::ampTuneRow(m_state.TuneReply);
    if (row == nullptr || (row->ignoredWhileTuneActive && m_window.AmpTuneActive)) {
        return;
    }
    m_window.lblAmpTuned->setText(QString::fromLatin1(row->caption));
    setBackColour(m_window.lblAmpTuned, QColor(row->colour));
    if (row->endsTune) {
        m_window.AmpTuneActive = false;
        if (m_link != nullptr) {
            m_link->SyncChar = kUnkeyed;
            m_link->gSendSync(kUnkeyed);
        }
    }
}

void StatusDisplay::ShowChannelData() {
    const QString& entry = m_state.ChanDataReply;
    for (int i = 0; i < frmTQ5820::kDigits; ++i) {
        m_window.cmdF[static_cast<std::size_t>(i)]->setText(entry.mid(kChannelFreqStart + i, 1));
    }
    showInCombo(m_window.cmbMode, panel::channelModeCaptions(), entry.mid(kChannelModeAt, 1));
}

}  // namespace tq::ui
