#pragma once

#include <QLockFile>
#include <QString>

namespace tq::app {

/// Keeps a second copy of the program from driving the same radio. The lock
/// file lives in the temporary directory under the user's name; a lock left
/// by a copy that crashed is taken over, since its process is gone.
class SingleInstance {
public:
    /// The lock file used for the given user name.
    static QString lockPathFor(const QString& userName);

    explicit SingleInstance(const QString& lockPath = lockPathFor(currentUserName()));

    /// True when this process now holds the lock.
    bool acquire();
    /// Gives the lock up before the process ends.
    void release() { m_lock.unlock(); }

    static QString currentUserName();

private:
    QLockFile m_lock;
};

}  // namespace tq::app
