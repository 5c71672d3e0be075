#include "link/PortExists.h"

#include <QString>

#include "link/DeviceLock.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tq::link {

namespace {

#ifdef Q_OS_WIN

bool deviceOpensForQuery(const QString& device) {
    // No access rights: a query open that does not disturb the line, shared
    // so that it does not collide with itself; a port open elsewhere still
    // refuses it, since COM ports are exclusive.
    const std::wstring name = (QStringLiteral("\\\\.\\") + device).toStdWString();
    HANDLE handle = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
}

#else

bool deviceOpensForQuery(const QString& device) {
    // O_NONBLOCK: do not wait for carrier. O_NOCTTY: never become our
    // controlling terminal. Qt marks the ports it opens exclusive (TIOCEXCL),
    // so for an ordinary user a port held by a Qt program fails here (EBUSY).
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    // A mapped path may name anything; only a terminal is a serial port.
    const bool terminal = ::isatty(fd) == 1;
    ::close(fd);
    return terminal;
}

#endif

}  // namespace

bool PortExists(int n) {
    return PortExists(n, PortMap());
}

bool PortExists(int n, const PortMap& map) {
    if (n < 1) {
        return false;
    }
    const QString named = map.devicePath(n);
    const QString resolved = map.resolvedDevicePath(n);
    if (deviceLockedByLiveProcess(named) ||
        (resolved != named && deviceLockedByLiveProcess(resolved))) {
        return false;
    }
    return deviceOpensForQuery(resolved);
}

}  // namespace tq::link
