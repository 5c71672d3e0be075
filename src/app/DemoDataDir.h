#pragma once

#include <QString>

namespace tq::app {

/// The port number the built-in simulated radio answers on in a demo.
inline constexpr int kDemoRadioPort = 1;
/// The port number of the demo's CAT port, one end of its null modem.
inline constexpr int kDemoCatPort = 2;

/// Writes the radio and CAT port settings that reach the demo's simulated
/// radio and null modem into dir, unless the directory already has its own.
/// Returns false with a reason when a file cannot be written.
bool prepareDemoDataDir(const QString& dir, QString& error);

}  // namespace tq::app
