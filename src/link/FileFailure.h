#pragma once

#include <QString>

namespace tq::link {

/// Why a file could not be read or written: the operating system's error
/// number and text where the system gave one ("13", "Permission denied";
/// "27", "File too large"; "28", "No space left on device"), otherwise Qt's
/// file error code and text.
struct FileFailure {
    int number = 0;
    QString description;

    /// The failure of a system call that left errno: its number and the
    /// system's own text for it.
    static FileFailure fromErrno(int error);

    /// The information box text for a failure on the named file:
    /// "AudioSetup.txt: Err 13. Permission denied".
    QString report(const QString& fileName) const;
};

}  // namespace tq::link
