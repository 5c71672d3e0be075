#pragma once

#include <QString>

#include "panel/PanelModel.h"
#include "protocol/Indicators.h"

namespace tq::protocol {
class RadioCommands;
class RadioLink;
struct ProgramFlags;
struct RadioState;
}  // namespace tq::protocol

namespace tq::panel {

/// Shows the radio state on the panel: every reply that arrived since the
/// last refresh becomes the panel's values, a new frequency applies the
/// transmit band limits, meter readings move the bar. What the panel shows is
/// always derived from the last reply of each kind. It is also what the link
/// routines report to (the lamp, the link status, the raw replies).
class StatusDisplay final : public protocol::Indicators {
public:
    StatusDisplay(PanelModel& model, protocol::RadioState& state, protocol::ProgramFlags& flags);

    /// The link for the two commands a refresh may send: the PTT enable
    /// toggle of the band limits, and the unkeying sync after an amplifier
    /// tune. Without it those commands are left out.
    void attachLink(protocol::RadioLink& link, protocol::RadioCommands& commands);

    /// Shows each reply whose new-value flag is set, in a fixed order, and
    /// clears the flag. A failure ends the refresh and is reported; the
    /// flags not yet handled wait for the next refresh.
    void gUpdateDisplay();

    /// Moves the meter bar to a "J" reading that lies within its range.
    void gDisplayMeterData(const QString& line);

    /// Puts text in the information box and makes the box visible.
    void ShowErrorInfo(const QString& text);

    /// Whether the frequency in the last seven characters of text may be
    /// transmitted on. Throws DisplayFailure when they are not a number.
    bool InAmateurBand(const QString& text) const;

    /// Enables or blocks transmitting. A running scan forces inBand false,
    /// in the caller's variable too.
    void ApplyBandLimits(bool& inBand);

    void ShowFrequency();
    void ShowMode();
    void ShowAgc();
    void ShowSource();
    void ShowRemoteAudio();
    /// The REMOTE/LOCAL indicator.
    void ShowRemote();
    void ShowMeterSelection();
    void ShowMute();
    void ShowClip();
    void ShowPttEn();
    void ShowSideTone();
    void ShowVox();
    void ShowAmplifier();
    void ShowAmpTune();
    /// A memory channel's frequency on the VFO A digits and its mode.
    void ShowChannelData();

    // protocol::Indicators
    void showErrorInfo(const QString& text) override { ShowErrorInfo(text); }
    void setComStat(const QString& caption) override;
    void setLamp(protocol::Lamp lamp) override;
    void setSyncLabel(const QString& caption) override;
    bool rawDataShown() const override;
    void setRawData(const QString& text) override;
    void setFirmwareCaption(const QString& caption) override;
    void displayMeterData(const QString& line) override { gDisplayMeterData(line); }
    /// Greys all six meter names (no meter selected yet).
    void greyMeterLabels() override;
    void showMode() override { ShowMode(); }
    void showSideTone() override { ShowSideTone(); }
    void showSource() override { ShowSource(); }
    void showPttEnable() override { ShowPttEn(); }

private:
    void refreshFrequency();
    void refreshAmplifier();
    void reportFailure(int number, const QString& description);

    PanelModel& m_model;
    protocol::RadioState& m_state;
    protocol::ProgramFlags& m_flags;
    protocol::RadioLink* m_link = nullptr;
    protocol::RadioCommands* m_commands = nullptr;
};

}  // namespace tq::panel
