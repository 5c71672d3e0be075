#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tq::panel {

inline constexpr int kMeterCount = 6;
/// The meter bar's range: readings are two digits, the bar's design range
/// 0..21.
inline constexpr int kMeterMinimum = 0;
inline constexpr int kMeterMaximum = 21;

/// The meter a selection reply names: "D1".."D6" give 0..5 (Aud, Line,
/// Patch, FWD, REF, VSWR); anything else gives nothing.
std::optional<int> meterIndexOf(const QString& meterSel);

/// The scale printed above the meter bar for a selection reply. The power
/// and VSWR meters read signal strength while the radio receives, so their
/// scale follows whether the radio reports itself keyed. The texts line up
/// with the bar beneath only in a fixed-pitch font, blanks included.
std::optional<QString> meterScaleFor(const QString& meterSel, bool radioKeyed);

/// The reading of a meter line: the number formed by its second and third
/// characters ("J07" reads 7). Leading blanks and a sign are read as a
/// number is; text that does not start with a digit reads 0.
int meterReading(const QString& line);

/// Every scale text, for sizing the bar to the widest.
QStringList allMeterScales();

}  // namespace tq::panel
