#pragma once

#include <QString>

namespace tq::persist {

/// A number as the settings files print it: a blank in front when it is not
/// negative and a minus sign otherwise, the digits, a decimal point and
/// fraction only when the value has one, and one blank behind (4320 gives
/// " 4320 ", -150 gives "-150 ", 12.5 gives " 12.5 "). A fraction keeps its
/// leading zero (" 0.5 ") and at most six decimals; a value that is no number
/// at all (NaN, infinity) prints as 0.
QString formatPersistedNumber(double value);

/// The decimal number at the start of a line, as the settings files are read:
/// blanks and tabs anywhere are ignored, an optional sign may lead, then
/// digits with an optional decimal point and fraction; reading stops at the
/// first other character, and a line that does not start with a number reads
/// as 0 (" 4320 " -> 4320, "-1 50" -> -150, "12.5px" -> 12.5, "Split" -> 0).
double persistedNumberValue(const QString& line);

}  // namespace tq::persist
