#pragma once

#include <QString>

#include "link/LinkIndicators.h"

namespace tq::link {

/// Whether the named file can be opened for reading (a file of zero bytes
/// can). The name is used unchanged, so a bare name means the current (data)
/// directory.
///
/// Empties and shows the information box first, so a successful call also
/// wipes an earlier report. When the file cannot be opened the box reads
/// "fileExists(<name>): Err <n>. <description>", with the operating system's
/// error number and text ("Err 2. No such file or directory", "Err 21. Is a
/// directory", "Err 13. Permission denied").
bool fileExists(const QString& name, LinkIndicators& indicators);

}  // namespace tq::link
