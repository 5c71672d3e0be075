#include "link/DeviceLock.h"

#ifndef Q_OS_WIN
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#endif

namespace tq::link {

#ifdef Q_OS_WIN

bool deviceLockedByLiveProcess(const QString&) {
    return false;
}

#else

namespace {

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

}  // namespace

bool deviceLockedByLiveProcess(const QString& device) {
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

}  // namespace tq::link
