#pragma once

#include <QString>
#include <optional>

namespace tq::panel {

/// The seven digits the radio takes for a frequency typed in MHz (units of
/// 10 Hz): digits are written from the left into "0000000", starting one
/// place in when the text begins with a single MHz digit and a point, and
/// every other character is skipped. So "7.1" gives "0710000", "14.075"
/// "1407500" and "14" "1400000". Nothing when the text has more digits than
/// the places left for them: the radio cannot be tuned to what was typed.
std::optional<QString> listFrequencyDigits(const QString& text);

/// Whether seven frequency digits lie in the range the radio tunes:
/// 1.600 00 to 29.999 99 MHz.
bool inTuningRange(const QString& digits);

/// The frequency text Get Freq shows for a frequency reply ("F" and seven
/// digits): 'F0715000' gives "7.15000", 'F1407500' "14.07500". Nothing when
/// the reply holds no frequency.
std::optional<QString> listFrequencyFromReply(const QString& reply);

/// The mode word of a radio mode code ("M1" gives "USB"), or nothing.
std::optional<QString> modeWordOf(const QString& code);

/// The radio mode code of a mode word in any letter case ("usb" gives "M1"),
/// or nothing.
std::optional<QString> modeCodeOf(const QString& word);

}  // namespace tq::panel
