#include "persist/WebPasswordFile.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "persist/PersistedFile.h"

namespace tq::persist {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

PersistedFileError failure(const QFileDevice& file) {
    const int systemError = errno;
    if (systemError != 0) {
        return {systemError, QString::fromLocal8Bit(std::strerror(systemError))};
    }
    return {static_cast<int>(file.error()), file.errorString()};
}

}  // namespace

std::optional<QString> loadWebPasswordHash() {
    const std::optional<QString> text = readPersistedFile(kWebPasswordFileName);
    if (!text) {
        return std::nullopt;
    }
    const QString hash = persistedLines(*text).value(0).trimmed();
    return hash.isEmpty() ? std::nullopt : std::optional<QString>(hash);
}

std::optional<PersistedFileError> saveWebPasswordHash(const QString& hash) {
    // Written here rather than through writePersistedFile so that the
    // temporary file is made owner-only before the hash goes into it: the
    // file that replaces the old one never had wider permissions.
    QSaveFile file(kWebPasswordFileName);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(kOwnerOnly)) {
        return failure(file);
    }
    const QByteArray bytes =
        (hash + QStringLiteral("\r\nLine 1: Web Panel password, as a salted PBKDF2 hash\r\n"))
            .toUtf8();
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        return failure(file);
    }
    errno = 0;
    if (!file.commit()) {
        return failure(file);
    }
    return std::nullopt;
}

std::optional<PersistedFileError> removeWebPassword() {
    QFile file(kWebPasswordFileName);
    errno = 0;
    if (file.exists() && !file.remove()) {
        return failure(file);
    }
    return std::nullopt;
}

}  // namespace tq::persist
