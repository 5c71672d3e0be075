#include "panel/StatusDisplay.h"
#include "link/FailureReport.h"

#include <array>

#include "link/PortFailure.h"
#include "panel/AmateurBands.h"
#include "panel/AmplifierTables.h"
#include "panel/DisplayFailure.h"
#include "panel/MeterScale.h"
#include "panel/ReplyCodes.h"
#include "protocol/ProgramFlags.h"
#include "protocol/RadioCommands.h"
#include "protocol/RadioLink.h"
#include "protocol/RadioState.h"

namespace tq::panel {

using protocol::RadioState;

namespace {

const QString kPttEnabled = QStringLiteral("'1");
const QString kPttDisabled = QStringLiteral("'0");

// Where the parts of a channel entry ("P", channel, 7 digits, mode digit)
// start, counted from 0.
constexpr int kChannelFreqStart = 3;
constexpr int kChannelModeAt = 10;

/// Shows a reply's value; a reply that is none of the known ones leaves the
/// control as it was.
template <typename T>
void showKnown(Value<T>& value, const std::optional<T>& reply) {
    if (reply) {
        value.set(*reply);
    }
}

}  // namespace

StatusDisplay::StatusDisplay(PanelModel& model, protocol::RadioState& state,
                             protocol::ProgramFlags& flags)
    : m_model(model), m_state(state), m_flags(flags) {}

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
    } catch (const DisplayFailure& failure) {
        reportFailure(failure.number(), failure.description());
    } catch (const link::PortFailure& failure) {
        reportFailure(failure.number(), failure.description());
    }
}

void StatusDisplay::reportFailure(int number, const QString& description) {
    ShowErrorInfo(link::failureReport(QStringLiteral("gUpdateDisplay"), number, description));
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
    m_state.MeterValue = meterReading(line);
    if (m_state.MeterValue >= kMeterMinimum && m_state.MeterValue <= kMeterMaximum) {
        m_model.meterLevel.set(m_state.MeterValue);
    }
}

void StatusDisplay::ShowErrorInfo(const QString& text) {
    m_model.info.set(text);
    m_model.setVisible(Control::txtInfo, true);
}

bool StatusDisplay::InAmateurBand(const QString& text) const {
    const auto inBand = panel::InAmateurBand(text, m_flags.OutOfBandAllowed);
    if (!inBand) {
        throw DisplayFailure(DisplayFailure::kTypeMismatch, QStringLiteral("Type mismatch"));
    }
    return *inBand;
}

void StatusDisplay::ApplyBandLimits(bool& inBand) {
    if (m_flags.ScanActive) {
        inBand = false;
    }
    for (Control control :
         {Control::cmdPTTEn, Control::cmdXmit, Control::cmdTune, Control::cmdPTT}) {
        m_model.setEnabled(control, inBand);
    }
    if (inBand) {
        if (m_state.PttEnReply == kPttDisabled && m_commands != nullptr) {
            m_commands->TogglePttEnable();
        }
        m_model.bandIndicator.set(BandIndicator::InBand);
        m_model.bandIndicatorColour.set(Colour::LightGrey);
        return;
    }
    if (m_state.PttEnReply == kPttEnabled && m_commands != nullptr) {
        m_commands->TogglePttEnable();
    }
    // Scanning keeps whatever colour the indicator had.
    if (m_flags.ScanActive) {
        m_model.bandIndicator.set(BandIndicator::Scanning);
    } else {
        m_model.bandIndicator.set(BandIndicator::OutOfBand);
        m_model.bandIndicatorColour.set(Colour::Red);
    }
}

void StatusDisplay::ShowFrequency() {
    if (const auto digits = frequencyDigitsOf(m_state.FreqReply)) {
        m_model.vfoA.set(*digits);
    }
}

void StatusDisplay::ShowMode() {
    showKnown(m_model.mode, modeOfReply(m_state.ModeReply));
}

void StatusDisplay::ShowAgc() {
    showKnown(m_model.agc, agcOfReply(m_state.AgcReply));
}

void StatusDisplay::ShowSource() {
    // A remote audio path hides the source: the box then reads REMOTE.
    if (m_state.LocRemAudioReply == kLocalAudio) {
        showKnown(m_model.source, sourceOfReply(m_state.SourceReply));
    }
}

void StatusDisplay::ShowRemoteAudio() {
    if (m_state.LocRemAudioReply == kRemoteAudio) {
        m_model.source.set(Source::Remote);
    }
}

void StatusDisplay::ShowRemote() {
    if (const auto indicator = remoteOfReply(m_state.RemoteReply)) {
        m_model.remoteIndicatorColour.set(Colour::ButtonText);
        m_model.remoteIndicator.set(*indicator);
    }
}

void StatusDisplay::greyMeterLabels() {
    m_model.meterLabels.set(MeterLabels{true, std::nullopt});
}

void StatusDisplay::ShowMeterSelection() {
    greyMeterLabels();
    m_model.meterChecked.set(std::nullopt);
    const auto index = meterIndexOf(m_state.MeterSelReply);
    if (!index) {
        return;
    }
    m_model.meterLabels.set(MeterLabels{true, *index});
    m_model.meterChecked.set(*index);
    if (const auto scale = meterScaleFor(m_state.MeterSelReply, m_state.RadioKeyed)) {
        m_model.meterScale.set(*scale);
    }
}

void StatusDisplay::ShowMute() {
    showKnown(m_model.mute, muteOfReply(m_state.MuteReply));
}

void StatusDisplay::ShowClip() {
    showKnown(m_model.clipping, clippingOfReply(m_state.ClipReply));
}

void StatusDisplay::ShowPttEn() {
    showKnown(m_model.pttEnable, pttEnableOfReply(m_state.PttEnReply));
}

void StatusDisplay::ShowSideTone() {
    showKnown(m_model.sideTone, sideToneOfReply(m_state.SideToneReply));
}

void StatusDisplay::ShowVox() {
    showKnown(m_model.vox, voxOfReply(m_state.VoxReply));
}

void StatusDisplay::ShowAmplifier() {
    const AmpPowerRow* row = ampPowerRow(m_state.AmpReply);
    if (row == nullptr) {
        return;
    }
    m_model.ampPower.set(row->power);
    m_model.ampPowerColour.set(row->powerColour);
    m_model.setEnabled(Control::cmdTuneAmp, row->tuneEnabled);
    if (!row->keepTunedCaption) {
        m_model.ampTune.set(AmpTune::Blank);
    }
    m_model.ampTuneColour.set(row->tunedColour);
    m_model.ampOperate.set(row->operate);
    m_model.ampOperateColour.set(row->operateColour);
}

void StatusDisplay::ShowAmpTune() {
    if (m_state.AmpReply != kAmpOperating) {
        return;
    }
    const AmpTuneRow* row = ampTuneRow(m_state.TuneReply);
    if (row == nullptr || (row->ignoredWhileTuneActive && m_model.ampTuneActive())) {
        return;
    }
    m_model.ampTune.set(row->tune);
    m_model.ampTuneColour.set(row->colour);
    if (row->endsTune) {
        m_model.ampTuneActive.set(false);
        if (m_link != nullptr) {
            m_link->SyncChar = protocol::SyncCharacter::U;
            m_link->gSendSync(protocol::SyncCharacter::U);
        }
    }
}

void StatusDisplay::ShowChannelData() {
    const QString& entry = m_state.ChanDataReply;
    m_model.vfoA.set(entry.mid(kChannelFreqStart, PanelModel::kDigits));
    showKnown(m_model.mode, modeOfChannelDigit(entry.mid(kChannelModeAt, 1)));
}

void StatusDisplay::setComStat(const QString& caption) {
    m_model.comStatus.set(caption);
}

void StatusDisplay::setLamp(protocol::Lamp lamp) {
    m_model.lamp.set(lamp);
}

void StatusDisplay::setSyncLabel(const QString& caption) {
    m_model.syncLabel.set(caption);
    // A character just sent stands out on white; a blanked label keeps the
    // colour the transmit state gave it.
    if (!caption.isEmpty()) {
        m_model.syncLabelColour.set(Colour::White);
    }
}

bool StatusDisplay::rawDataShown() const {
    return m_model.rawDataOn();
}

void StatusDisplay::setRawData(const QString& text) {
    m_model.rawData.set(text);
}

void StatusDisplay::setFirmwareCaption(const QString& caption) {
    m_model.firmwareCaption.set(caption);
}

}  // namespace tq::panel
