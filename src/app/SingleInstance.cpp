#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace tq::app {

namespace {

// Enough of the hash that two data directories never share a lock, short
// enough for a file name on any file system.
constexpr int kHashDigits = 16;

}  // namespace

QString SingleInstance::lockPathFor(const QString& dataDirectory) {
    QString canonical = QFileInfo(dataDirectory).canonicalFilePath();
    if (canonical.isEmpty()) {
        canonical = QDir(dataDirectory).absolutePath();  // not there (yet)
    }
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha256)
            .toHex()
            .left(kHashDigits);
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("tq5820-control-%1.lock").arg(QString::fromLatin1(hash)));
}

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath) {
    // A lock is stale as soon as its process is gone, however young it is.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return m_lock.tryLock(100);
}

}  // namespace tq::app
