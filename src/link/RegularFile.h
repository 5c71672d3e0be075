#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <limits>
#include <optional>
#include <variant>

#include "link/FileFailure.h"

namespace tq::link {

/// The largest settings or list file the program reads, in bytes. The real
/// ones are a few hundred bytes (a band list of long notes a few kilobytes),
/// so anything larger is a mistake (a log, an image, a disk image saved under
/// the name) and is refused before a byte of it is read.
inline constexpr qint64 kFileSizeLimit = 1024 * 1024;

/// For a file whose content is never read (a marker): any size will do.
inline constexpr qint64 kAnyFileSize = std::numeric_limits<qint64>::max();

/// The failure number of a name that is no regular file (a FIFO, a socket, a
/// device). ENXIO is what the kernel itself answers when open() meets a
/// special file that has nothing behind it to read (a socket, a FIFO without
/// a writer); its text, "No such device or address", would puzzle an
/// operator who sees the name in the directory, so the text says what is
/// wrong instead.
inline constexpr int kNotRegularFileError = 6;

/// Opens the named file for reading into file, only when it is a regular
/// file of at most sizeLimit bytes; the failure otherwise. A directory fails
/// as "Is a directory" (EISDIR), another kind of file as "Not a regular
/// file" (kNotRegularFileError), a larger file as "File too large" (EFBIG).
///
/// A FIFO is never opened: an open() for reading waits for a writer, which
/// would hold the program up for good. The kind is checked before the
/// open, and the open itself never waits (O_NONBLOCK), so a FIFO put under
/// the name in between is caught by the second check on what was opened.
std::optional<FileFailure> openRegularFile(QFile& file, const QString& name,
                                           qint64 sizeLimit = kFileSizeLimit);

/// The whole content of the named regular file of at most sizeLimit bytes,
/// or why it cannot be had (as openRegularFile). At most one byte more than
/// the limit is ever read, so a file that grows after the check is refused
/// too.
std::variant<QByteArray, FileFailure> readRegularFile(const QString& name,
                                                      qint64 sizeLimit = kFileSizeLimit);

}  // namespace tq::link
