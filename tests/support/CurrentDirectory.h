#pragma once

#include <QDir>
#include <QString>

namespace tq::link {

/// Makes a directory the current one for the life of the object, as the
/// program's data directory is, and restores the previous one afterwards.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const QString& path) : m_previous(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~CurrentDirectory() { QDir::setCurrent(m_previous); }

    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    QString m_previous;
};

}  // namespace tq::link
