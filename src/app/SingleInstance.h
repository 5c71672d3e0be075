#pragma once

#include <QDir>
#include <QLockFile>
#include <QString>

namespace tq::app {

/// Keeps a second copy of the program from driving the radio of a data
/// directory that a running copy already drives. Each radio has a data
/// directory of its own (its ports, its lists), so copies on different data
/// directories run side by side; a lock left by a copy that crashed is taken
/// over, since its process is gone.
class SingleInstance {
public:
    /// The lock file of a data directory. It lives in the temporary directory,
    /// not in the data directory: that may be read-only (a shared or
    /// write-protected station set-up), and a lock file there would be copied
    /// or synchronised along with the operator's files. It is named by a hash
    /// of the directory's canonical path, so every spelling of one directory
    /// (relative, with "..", through a symbolic link) finds the same lock,
    /// whichever user runs the program (with the same temporary directory).
    static QString lockPathFor(const QString& dataDirectory);

    /// The lock of the data directory, by default the current one, which is
    /// the data directory once it has been entered.
    explicit SingleInstance(const QString& lockPath = lockPathFor(QDir::currentPath()));

    /// True when this process now holds the lock.
    bool acquire();
    /// Gives the lock up before the process ends.
    void release() { m_lock.unlock(); }

private:
    QLockFile m_lock;
};

}  // namespace tq::app
