#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "persist/PersistedFileError.h"

namespace tq::persist {

/// The whole text of the named file (a bare name is in the current, data
/// directory), decoded as UTF-8; nothing when it cannot be read, is no
/// regular file or is larger than any settings file (link::kFileSizeLimit).
/// Never waits: a FIFO under the name is refused unopened.
std::optional<QString> readPersistedFile(const QString& name);

/// The lines of a file's text, without their line ends: each line ends in
/// LF or CR LF (and the last may end in neither). A text that ends with a line
/// end gives one empty line more, which no reader counts on.
QStringList persistedLines(const QString& text);

/// Replaces the named file with text, encoded as UTF-8. The text goes to a
/// temporary file beside it that replaces the file only once it is complete,
/// so on any failure the earlier file stays as it was. Returns the failure, or
/// nothing when the file was written.
std::optional<PersistedFileError> writePersistedFile(const QString& name, const QString& text);

}  // namespace tq::persist
