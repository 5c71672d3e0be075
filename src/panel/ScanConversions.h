#pragma once

#include <QString>
#include <optional>

namespace tq::panel {

/// The tuning range the radio accepts, in 10 Hz units (1.600 00 to
/// 29.999 99 MHz).
inline constexpr int kLowestScanFrequency = 160000;
inline constexpr int kHighestScanFrequency = 2999999;

/// Reads a frequency typed in MHz ("7.150", "14.00", "29.700") into 10 Hz
/// units, the way the scanners read their limit and row boxes: the text's
/// characters other than the point fill seven places from the left, one
/// place further right when the text starts with a single MHz digit and a
/// point ("7.15" -> 0715000, "14.2" -> 1420000).
///
/// Blanks around the text are ignored. Nothing comes back when a place holds
/// anything but a digit (a word, a sign), when the text does not fit the
/// seven places (surplus zeros are allowed, "7.1500000"; a surplus digit that
/// would need finer than 10 Hz is not), or when the value lies outside the
/// tuning range. A frequency the scanners cannot tune exactly is never
/// rounded to one they can.
std::optional<int> scanFrequency(const QString& mhz);

/// The tuning command for a frequency in 10 Hz units: "F" and seven digits
/// with leading zeros ("F0715000").
QString frequencyCommand(int tenHz);

/// The radio's mode code for a mode word in any letter case: "USB" M1,
/// "LSB" M2, "AME" and "AM" M3, "CW" M4; empty for any other word, which
/// leaves the radio's mode as it is.
QString scanModeCode(const QString& word);

/// The dwell time in whole seconds from the delay box: the whole number the
/// text starts with, at least 1 ("0", "-2", "abc" and "" give 1) and at most
/// the 32767 seconds the file's dwell line holds ("3s" gives 3).
int dwellSeconds(const QString& text);

}  // namespace tq::panel
