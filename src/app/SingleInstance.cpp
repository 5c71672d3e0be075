#include "app/SingleInstance.h"

#include <QDir>
#include <QRegularExpression>

namespace tq::app {

QString SingleInstance::currentUserName() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty()) {
        name = qEnvironmentVariable("USERNAME");
    }
    return name;
}

QString SingleInstance::lockPathFor(const QString& userName) {
    QString safeName = userName;
    safeName.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("tq5820-control-%1.lock").arg(safeName));
}

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath) {
    // A lock is stale as soon as its process is gone, however young it is.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return m_lock.tryLock(100);
}

}  // namespace tq::app
