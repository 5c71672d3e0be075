#pragma once

#include <QString>

#include "version/ProgramVersion.h"

namespace tq::app {

/// Model, version and build stamp: the main window's caption, also shown by
/// the About window. The version is the project's one version number.
inline const QString AppTitle = QStringLiteral("TQ-5820") + u' ' +
                                QString::fromLatin1(version::kProgramVersion) +
                                QStringLiteral(" : ") + QStringLiteral("04-30-17 : 2134");

}  // namespace tq::app
