#pragma once

#include <QString>

namespace tq::link {

/// The whole number at the start of a text, as the settings files store
/// numbers: blanks anywhere are ignored, an optional sign may lead, reading
/// stops at the first character that is not a digit, and a text that does not
/// start with a number reads as 0 ("3 " -> 3, " 1 2" -> 12, "COM3" -> 0).
/// Values beyond the int range are clamped to it.
int integerValue(const QString& text);

}  // namespace tq::link
