#pragma once

#include <QString>

namespace tq::persist {

/// Why a settings file could not be written: the operating system's error
/// number and text where the system gave one ("13", "Permission denied";
/// "27", "File too large"; "28", "No space left on device"), otherwise Qt's
/// file error code and text.
struct PersistedFileError {
    int number = 0;
    QString description;

    /// The information box text for a failure on the named file:
    /// "AudioSetup.txt: Err 13. Permission denied".
    QString report(const QString& fileName) const;
};

}  // namespace tq::persist
