#pragma once

#include <QString>
#include <optional>

namespace tq::panel {

/// Whether the radio may transmit on a frequency: one of the 60 m channels or
/// inside an amateur band, edges included. The frequency is the last seven
/// characters of text (10 Hz units, as in "F1435000"). With outOfBandAllowed
/// every frequency passes without being read. Nothing when those characters
/// are not a number: the caller reports that as a failure.
std::optional<bool> InAmateurBand(const QString& text, bool outOfBandAllowed);

}  // namespace tq::panel
