#include "link/OpenRefusal.h"

#include <array>
#include <cerrno>
#include <utility>

#include "link/DeviceLock.h"

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tq::link {

namespace {

// The error numbers an open gives for a device that exists but refuses us.
// Linux serial drivers answer EBUSY for a port opened exclusively elsewhere.
constexpr std::array<std::pair<int, OpenRefusal>, 3> kRefusals{{
    {EACCES, OpenRefusal::PermissionDenied},
    {EPERM, OpenRefusal::PermissionDenied},
    {EBUSY, OpenRefusal::InUse},
}};

// Where device access is granted by group, the group and what it takes.
#ifdef Q_OS_LINUX
constexpr const char* kPermissionRemedy = "Add your user to the dialout group and log in again.";
#else
constexpr const char* kPermissionRemedy = "Ask the administrator to give your user access to it.";
#endif

}  // namespace

OpenRefusal refusalFromSystemError(int systemError) {
    for (const auto& [error, refusal] : kRefusals) {
        if (error == systemError) {
            return refusal;
        }
    }
    return OpenRefusal::None;
}

OpenRefusal probeRefusal(const QString& device) {
#ifdef Q_OS_WIN
    Q_UNUSED(device);
    return OpenRefusal::None;
#else
    // The lock file first: as root, or against a second port of this very
    // program, an exclusive open still succeeds and would tell nothing.
    if (deviceLockedByLiveProcess(device)) {
        return OpenRefusal::InUse;
    }
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return OpenRefusal::None;
    }
    return refusalFromSystemError(errno);
#endif
}

QString refusalText(OpenRefusal refusal, const QString& device) {
    switch (refusal) {
        case OpenRefusal::PermissionDenied:
            return QStringLiteral("Permission denied: %1. %2")
                .arg(device, QLatin1String(kPermissionRemedy));
        case OpenRefusal::InUse:
            return QStringLiteral(
                       "In use by another program: %1. Close that program or choose "
                       "another port.")
                .arg(device);
        case OpenRefusal::None:
            break;
    }
    return {};
}

}  // namespace tq::link
