#pragma once

#include <QString>
#include <optional>

#include "persist/BandList.h"
#include "persist/PersistedFileError.h"

namespace tq::persist {

/// The longest line kept from a list file, in bytes: as much as a text box
/// of the list holds. The rest of a longer line is skipped.
inline constexpr qsizetype kBandListLineLimit = 32767;

/// The rows of the named list file (a bare name is in the data directory).
/// Only the first 14 lines are read. The text is UTF-8, or, when it is not
/// valid UTF-8, Latin-1 as older editors wrote it. Nothing when the file
/// cannot be read, is no regular file or is larger than any list
/// (link::kFileSizeLimit).
std::optional<BandListRows> readBandListFile(const QString& name);

/// Replaces the named list file with the 14 rows. The new text goes to a
/// temporary file that takes the file's place only once complete, so a
/// failure leaves the earlier file as it was and nothing open.
std::optional<persist::PersistedFileError> writeBandListFile(const QString& name,
                                                             const BandListRows& rows);

}  // namespace tq::persist
