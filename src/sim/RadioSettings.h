#pragma once

#include <QByteArray>
#include <array>

namespace tq::sim {

/// Every setting the radio reports with a line of its own, in the order the
/// status dump lists them.
enum class Setting {
    Frequency,  // "F", 7 digits, 10 Hz units
    Agc,        // "A" 1 OFF .. 4 FAST
    Mode,       // "M" 1 USB, 2 LSB, 3 AME, 4 CW
    Meter,      // "D" 1..6
    Source,     // "H" 1 MIC, 2 AUDIO2, 3 PATCH
    Audio,      // double quote: 0 remote audio, 1 local audio
    PttEnable,  // "'"
    Mute,       // "("
    Clip,       // "I"
    SideTone,   // "S"
    Vox,        // "V" 0 OFF, 1 VOICE, 2 DATA
    Control,    // "R" 0 local, 1 remote
    Amp,        // "O" 1 off, 2 warm-up, 3 standby, 4 operate
    Tune,       // "T" 1 idle, 2 wants tune, 3 tuning, 4 tuned
    Channel,    // "C" 00..99
    RfGain,     // "G" 00 full gain .. 63 least gain
    Bfo,        // "B" 000..200, 100 = no offset
};

inline constexpr int kSettingCount = static_cast<int>(Setting::Bfo) + 1;

/// The radio's current settings and whether it transmits, with the reply
/// line that reports each one.
class RadioSettings {
public:
    /// The state of a radio fresh from a reset.
    RadioSettings();

    int get(Setting setting) const { return m_values[index(setting)]; }
    void set(Setting setting, int value) { m_values[index(setting)] = value; }

    bool keyed() const { return m_keyed; }
    void setKeyed(bool keyed) { m_keyed = keyed; }

    /// The reply line (without its line feed) reporting the setting, e.g. "F1420000".
    QByteArray line(Setting setting) const;
    /// "K" while transmitting, "U" otherwise.
    QByteArray syncLine() const;

    /// First character and digit count of a setting's reply line.
    static char letter(Setting setting);
    static int width(Setting setting);

private:
    static int index(Setting setting) { return static_cast<int>(setting); }

    std::array<int, kSettingCount> m_values{};
    bool m_keyed = false;
};

/// Fixed-width decimal digits with leading zeros, as every number on the wire.
QByteArray digits(int value, int width);

}  // namespace tq::sim
