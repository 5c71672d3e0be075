#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "persist/PersistedFileError.h"

namespace tq::persist {

// A channel entry is the radio's own 10-character form of one memory channel:
// two channel digits, seven frequency digits in 10 Hz units and a mode digit
// (1 USB, 2 LSB, 3 AM, 4 CW), as it follows "P" on the wire.
inline constexpr int kChannelEntryLength = 10;

/// The entry a channel list line stands for, or nothing when the line does
/// not fit the format: "01,14075.00,USB" or "02 7150.00 LSB" (channel, kHz
/// with two decimals, mode word of which only the upper-case first letter
/// counts). Lines with fewer than three fields and frequencies outside 1600.00
/// to 29999.99 kHz are refused.
std::optional<QString> parseChannelLine(const QString& line);

/// The entries of a channel list text, in file order, its unfit lines left
/// out. Lines may end in CR LF or LF.
QStringList parseChannelList(const QString& text);

/// The file line of one entry: "01,14075.00,USB". The characters of the entry
/// are taken as they are, so an entry the radio garbled is written as it came;
/// a mode digit that is not 1 to 4 gives an empty mode word, which the reader
/// refuses.
QString formatChannelLine(const QString& entry);

/// The whole file text: one line per entry, each ended by CR LF.
QString formatChannelList(const QStringList& entries);

/// A channel list file larger than this is refused rather than read: a full
/// list of 100 channels is under 2 KB, and a file of gigabytes chosen by
/// mistake must not fill the memory and the list box.
inline constexpr qint64 kMaxChannelFileBytes = 1024 * 1024;

/// Reads and parses the named channel list file: the entries, or why the file
/// could not be read (a file above kMaxChannelFileBytes: "File too large";
/// a FIFO or device: "Not a regular file", refused unopened).
std::variant<QStringList, persist::PersistedFileError> readChannelFile(const QString& path);

/// Replaces the named file with the list, only once the new file is complete,
/// so a failed write leaves the earlier file as it was. Returns the failure.
std::optional<persist::PersistedFileError> writeChannelFile(const QString& path,
                                                            const QStringList& entries);

}  // namespace tq::persist
