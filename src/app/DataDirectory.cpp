#include "app/DataDirectory.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tq::app {

namespace {

std::optional<QString> freshDemoDir(QString& error) {
    QTemporaryDir fresh(QDir::temp().filePath(QStringLiteral("tq5820-demo-XXXXXX")));
    fresh.setAutoRemove(false);
    if (!fresh.isValid()) {
        error = fresh.errorString();
        return std::nullopt;
    }
    return fresh.path();
}

std::optional<QString> perUserDir(QString& error) {
    const QString dir = defaultDataDir();
    if (dir.isEmpty()) {
        error = QStringLiteral("no per-user data directory; give one with --data-dir DIR");
        return std::nullopt;
    }
    if (!QDir().mkpath(dir)) {
        error = QStringLiteral("cannot make the data directory %1").arg(dir);
        return std::nullopt;
    }
    return dir;
}

}  // namespace

QString defaultDataDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

std::optional<QString> enterDataDir(const ProgramOptions& options, QString& error) {
    const std::optional<QString> dir = !options.dataDir.isEmpty() ? options.dataDir
                                       : options.demo             ? freshDemoDir(error)
                                                                  : perUserDir(error);
    if (!dir) {
        return std::nullopt;
    }
    if (!QDir::setCurrent(*dir)) {
        error = QStringLiteral("cannot use %1 as the data directory").arg(*dir);
        return std::nullopt;
    }
    return QDir::currentPath();
}

}  // namespace tq::app
