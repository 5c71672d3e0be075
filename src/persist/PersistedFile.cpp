#include "persist/PersistedFile.h"

#include <QSaveFile>
#include <cerrno>

#include "link/RegularFile.h"

namespace tq::persist {

namespace {

// QSaveFile keeps only its own error code, but the system call that failed
// leaves errno behind, and the system's number and text ("Err 13. Permission
// denied") are what the information box shows for every other file failure.
// errno is cleared before each step, so a number seen here belongs to it.
PersistedFileError failureOf(const QSaveFile& file, int systemError) {
    if (systemError != 0) {
        return PersistedFileError::fromErrno(systemError);
    }
    return {static_cast<int>(file.error()), file.errorString()};
}

}  // namespace

QStringList persistedLines(const QString& text) {
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
    }
    return lines;
}

std::optional<QString> readPersistedFile(const QString& name) {
    const auto read = link::readRegularFile(name);
    if (const auto* bytes = std::get_if<QByteArray>(&read)) {
        return QString::fromUtf8(*bytes);
    }
    return std::nullopt;
}

std::optional<PersistedFileError> writePersistedFile(const QString& name, const QString& text) {
    QSaveFile file(name);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return failureOf(file, errno);
    }
    const QByteArray bytes = text.toUtf8();
    // A failed write or commit leaves only the temporary file, which the
    // QSaveFile removes when it goes out of scope.
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        return failureOf(file, errno);
    }
    // Qt 6.4's commit() ignores a failure of the flush it makes and puts the
    // cut-off file in place of the earlier one; flushing first catches it.
    errno = 0;
    if (!file.flush()) {
        return failureOf(file, errno);
    }
    errno = 0;
    if (!file.commit()) {
        return failureOf(file, errno);
    }
    return std::nullopt;
}

}  // namespace tq::persist
