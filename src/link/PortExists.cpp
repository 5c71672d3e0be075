#include "link/PortExists.h"

#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
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

bool heldByLiveProcess(const QString&) {
    return false;
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

// Directories where Qt and the UUCP convention keep serial port lock files.
QStringList lockDirectories() {
    return {QStringLiteral("/var/lock"),
            QStringLiteral("/etc/locks"),
            QStringLiteral("/var/spool/locks"),
            QStringLiteral("/var/spool/uucp"),
            QStringLiteral("/tmp"),
            QStringLiteral("/var/tmp"),
            QStringLiteral("/var/lock/lockdev"),
            QStringLiteral("/run/lock"),
            QStandardPaths::writableLocation(QStandardPaths::TempLocation)};
}

// Name of the lock file for a device: "LCK.." and the device's name below
// /dev with '/' turned into '_' (/dev/pts/3 -> LCK..pts_3).
QString lockFileName(const QString& device) {
    QString name = device;
    if (name.startsWith(QStringLiteral("/dev/"))) {
        name.remove(0, 5);
    }
    name.replace(u'/', u'_');
    return QStringLiteral("LCK..") + name;
}

bool processIsAlive(qint64 pid) {
    if (pid <= 0) {
        return false;
    }
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Qt's TIOCEXCL does not stop root, and does not cover this program's own
// open ports, so also honour the lock files Qt takes per device name. A lock
// whose process has died, or that was taken on another host, is stale.
bool heldByLiveProcess(const QString& device) {
    const QString fileName = lockFileName(device);
    const QString host = QSysInfo::machineHostName();
    for (const QString& dir : lockDirectories()) {
        if (dir.isEmpty()) {
            continue;
        }
        const QLockFile lock(dir + u'/' + fileName);
        qint64 pid = 0;
        QString lockHost;
        QString application;
        if (!lock.getLockInfo(&pid, &lockHost, &application)) {
            continue;
        }
        if ((lockHost.isEmpty() || lockHost == host) && processIsAlive(pid)) {
            return true;
        }
    }
    return false;
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
    if (heldByLiveProcess(named) || (resolved != named && heldByLiveProcess(resolved))) {
        return false;
    }
    return deviceOpensForQuery(resolved);
}

}  // namespace tq::link
