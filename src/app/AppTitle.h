#pragma once

#include <QString>

namespace tq::app {

/// Model, version and build stamp: the main window's caption, also shown by
/// the About window.
inline const QString AppTitle = QStringLiteral("TQ-5820") + u' ' + QStringLiteral("0.96") +
                                QStringLiteral(" : ") + QStringLiteral("04-30-17 : 2134");

}  // namespace tq::app
