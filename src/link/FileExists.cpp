#include "link/FileExists.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#else
#include <QFileInfo>
#endif

namespace tq::link {

namespace {

struct OpenFailure {
    int number = 0;
    QString description;
};

#ifdef Q_OS_UNIX

// The failure of opening name for reading, or number 0 when it opens. A
// directory opens for reading on POSIX, but it is no file to read lines from,
// so it fails like the read of it would (EISDIR).
OpenFailure tryOpenForReading(const QString& name) {
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_CLOEXEC);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
            error = EISDIR;
        }
        ::close(fd);
    }
    if (error == 0) {
        return {};
    }
    return {error, QString::fromLocal8Bit(std::strerror(error))};
}

#else

OpenFailure tryOpenForReading(const QString& name) {
    if (QFileInfo(name).isDir()) {
        return {static_cast<int>(QFileDevice::OpenError), QStringLiteral("Is a directory")};
    }
    QFile file(name);
    if (file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return {static_cast<int>(file.error()), file.errorString()};
}

#endif

}  // namespace

bool fileExists(const QString& name, LinkIndicators& indicators) {
    indicators.showErrorInfo(QString());
    const OpenFailure failure = tryOpenForReading(name);
    if (failure.number == 0) {
        return true;
    }
    // Joined, not arg()-substituted: a name may itself contain "%1".
    indicators.showErrorInfo(QStringLiteral("fileExists(") + name + QStringLiteral("): Err ") +
                             QString::number(failure.number) + QStringLiteral(". ") +
                             failure.description);
    return false;
}

}  // namespace tq::link
