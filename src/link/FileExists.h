#pragma once

#include <QString>

#include "link/LinkIndicators.h"
#include "link/RegularFile.h"

namespace tq::link {

/// Whether the named file can be opened for reading (a file of zero bytes
/// can). The name is used unchanged, so a bare name means the current (data)
/// directory. Only a regular file of at most sizeLimit bytes counts, so that
/// what a reader then opens can neither hold the program up (a FIFO waits
/// for a writer) nor fill its memory; a marker file whose content is never
/// read passes kAnyFileSize.
///
/// Empties and shows the information box first, so a successful call also
/// wipes an earlier report. When the file cannot be opened the box reads
/// "fileExists(<name>): Err <n>. <description>", with the operating system's
/// error number and text ("Err 2. No such file or directory", "Err 21. Is a
/// directory", "Err 13. Permission denied", "Err 27. File too large"), and
/// "Err 6. Not a regular file" for a FIFO, socket or device.
bool fileExists(const QString& name, LinkIndicators& indicators, qint64 sizeLimit = kFileSizeLimit);

}  // namespace tq::link
