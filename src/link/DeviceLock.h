#pragma once

#include <QString>

namespace tq::link {

/// Whether a live process holds the lock file Qt (and the UUCP convention)
/// takes for a serial device by its name. Qt's exclusive open does not stop
/// root, nor a second port of the same program, so the lock file is the one
/// sign of a holder that works for every user. A lock whose process has
/// died, or that was taken on another host, is stale and does not count.
/// Always false on Windows, whose ports are exclusive by themselves.
bool deviceLockedByLiveProcess(const QString& device);

}  // namespace tq::link
