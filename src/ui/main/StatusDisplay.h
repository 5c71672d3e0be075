#pragma once

#include <QString>

namespace tq::protocol {
class RadioCommands;
class RadioLink;
struct ProgramFlags;
struct RadioState;
}  // namespace tq::protocol

namespace tq::ui {

class frmTQ5820;

/// Shows the radio state on the main window: every reply that arrived since
/// the last refresh becomes captions, colours and selections, a new
/// frequency applies the transmit band limits, meter readings move the bar.
/// What the panel shows is always derived from the last reply of each kind.
class StatusDisplay {
public:
    StatusDisplay(frmTQ5820& window, protocol::RadioState& state, protocol::ProgramFlags& flags);

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

    /// Greys all six meter names (no meter selected yet).
    void greyMeterLabels();

private:
    void refreshFrequency();
    void refreshAmplifier();
    void reportFailure(int number, const QString& description);

    frmTQ5820& m_window;
    protocol::RadioState& m_state;
    protocol::ProgramFlags& m_flags;
    protocol::RadioLink* m_link = nullptr;
    protocol::RadioCommands* m_commands = nullptr;
};

}  // namespace tq::ui
