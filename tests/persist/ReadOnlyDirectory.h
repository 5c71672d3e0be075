#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QString>

namespace tq::test {

/// Makes a directory read-only for the life of the object, so that creating
/// a file in it fails with "Permission denied". Root may write anywhere, so a
/// root test process acts as the unprivileged user "nobody" meanwhile.
class ReadOnlyDirectory {
public:
    explicit ReadOnlyDirectory(const QString& path) : m_path(QFile::encodeName(path)) {
        ::chmod(m_path.constData(), 0555);
        if (::geteuid() == 0) {
            m_wasRoot = ::seteuid(kNobody) == 0;
        }
    }
    ~ReadOnlyDirectory() {
        if (m_wasRoot) {
            (void)::seteuid(0);
        }
        ::chmod(m_path.constData(), 0700);
    }

    ReadOnlyDirectory(const ReadOnlyDirectory&) = delete;
    ReadOnlyDirectory& operator=(const ReadOnlyDirectory&) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    QByteArray m_path;
    bool m_wasRoot = false;
};

}  // namespace tq::test
