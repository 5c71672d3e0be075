#include "link/RegularFile.h"

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace tq::link {

namespace {

FileFailure notRegular() {
    return {kNotRegularFileError, QStringLiteral("Not a regular file")};
}

FileFailure qtFailure(const QFile& file) {
    return {static_cast<int>(file.error()), file.errorString()};
}

#ifdef Q_OS_UNIX

// Why a file of this kind and size is not read, if it is not.
std::optional<FileFailure> refusal(const struct stat& info, qint64 sizeLimit) {
    if (S_ISDIR(info.st_mode)) {
        return FileFailure::fromErrno(EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        return notRegular();
    }
    if (info.st_size > sizeLimit) {
        return FileFailure::fromErrno(EFBIG);
    }
    return std::nullopt;
}

std::optional<FileFailure> openChecked(QFile& file, const QString& name, qint64 sizeLimit) {
    const QByteArray path = QFile::encodeName(name);
    struct stat info {};
    if (::stat(path.constData(), &info) != 0) {
        return FileFailure::fromErrno(errno);
    }
    if (auto refused = refusal(info, sizeLimit)) {
        return refused;
    }
    // O_NOCTTY: should a terminal have taken the name meanwhile, it must not
    // become the program's controlling terminal before the check below.
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return FileFailure::fromErrno(errno);
    }
    std::optional<FileFailure> failure;
    if (::fstat(fd, &info) != 0) {
        failure = FileFailure::fromErrno(errno);
    } else {
        failure = refusal(info, sizeLimit);
    }
    if (!failure && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        failure = qtFailure(file);
    }
    if (failure) {
        ::close(fd);
    }
    return failure;
}

#else

std::optional<FileFailure> openChecked(QFile& file, const QString& name, qint64 sizeLimit) {
    const QFileInfo info(name);
    if (info.isDir()) {
        return FileFailure{EISDIR, QStringLiteral("Is a directory")};
    }
    if (info.exists() && !info.isFile()) {
        return notRegular();
    }
    if (info.size() > sizeLimit) {
        return FileFailure{EFBIG, QStringLiteral("File too large")};
    }
    file.setFileName(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return qtFailure(file);
    }
    return std::nullopt;
}

#endif

}  // namespace

std::optional<FileFailure> openRegularFile(QFile& file, const QString& name, qint64 sizeLimit) {
    return openChecked(file, name, sizeLimit);
}

std::variant<QByteArray, FileFailure> readRegularFile(const QString& name, qint64 sizeLimit) {
    QFile file;
    if (auto failure = openRegularFile(file, name, sizeLimit)) {
        return *failure;
    }
    const QByteArray bytes = file.read(sizeLimit < kAnyFileSize ? sizeLimit + 1 : sizeLimit);
    if (file.error() != QFileDevice::NoError) {
        return qtFailure(file);
    }
    if (bytes.size() > sizeLimit) {
        return FileFailure::fromErrno(EFBIG);
    }
    return bytes;
}

}  // namespace tq::link
