#pragma once

#include <QString>
#include <optional>

namespace tq::rigctl {

/// The radio's four modes, as Hamlib names them.
enum class RigMode { Usb, Lsb, Am, Cw };

/// Hamlib's name of a mode ("USB", "LSB", "AM", "CW").
QString modeName(RigMode mode);

/// The passband reported for a mode, in Hz. The radio has one fixed filter
/// per mode and no way to choose another, so this is what a client is told
/// and what the state dump lists.
int modePassband(RigMode mode);

/// The mode a set_mode name asks for; the data variants that digital-mode
/// programs send (PKTUSB, PKTLSB) are the sideband they run on.
std::optional<RigMode> modeFromName(const QString& name);

/// Hamlib's bit for each of the four modes, or'ed: what the state dump says
/// the radio can do.
inline constexpr unsigned kHamlibModeMask = 0x1 | 0x2 | 0x4 | 0x8;  // AM CW USB LSB

}  // namespace tq::rigctl
