#pragma once

#include <QString>

#include "link/LinkIndicators.h"

namespace tq::persist {

/// The marker file that allows transmitting outside the amateur bands. Only
/// whether it can be opened matters; its content is never read.
inline const QString kPermissionsFileName = QStringLiteral("Permissions.txt");

/// Whether Permissions.txt can be opened (a file of zero bytes can, of any
/// size). The test is fileExists, so a missing file, or a FIFO or device
/// under the name, is reported in the information box like any other.
bool checkPermissions(link::LinkIndicators& indicators);

}  // namespace tq::persist
