#pragma once

#include <QString>

#include "link/LinkIndicators.h"
#include "protocol/ProgramFlags.h"

namespace tq::app {

/// The marker file that allows transmitting outside the amateur bands. Only
/// whether it can be opened matters; its content is never read.
inline const QString kPermissionsFileName = QStringLiteral("Permissions.txt");

/// Sets flags.OutOfBandAllowed to whether Permissions.txt can be opened (a
/// file of zero bytes can) and returns it. The test is fileExists, so a
/// missing file is reported in the information box like any other.
bool checkPermissions(protocol::ProgramFlags& flags, link::LinkIndicators& indicators);

}  // namespace tq::app
