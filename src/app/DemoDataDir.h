#pragma once

#include <QString>

namespace tq::app {

/// The port number the built-in simulated radio answers on in a demo.
inline constexpr int kDemoRadioPort = 1;

/// Writes the radio port settings that reach the simulated radio into dir,
/// unless the directory already has its own. Returns false with a reason
/// when the file cannot be written.
bool prepareDemoDataDir(const QString& dir, QString& error);

}  // namespace tq::app
