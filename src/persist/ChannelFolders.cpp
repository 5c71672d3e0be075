#include "persist/ChannelFolders.h"

#include <QDir>

namespace tq::persist {

ChannelFolders ChannelFolders::windows() {
    // The file's folder has a blank in its name, the dialogs' folder has
    // none: two folders, both kept as stations have them.
    return {QStringLiteral("C:\\Users\\Public\\TQ5820Files"),
            QStringLiteral("C:\\Users\\Public\\TQ5820 Files\\Channel List.txt")};
}

ChannelFolders ChannelFolders::inDataDirectory(const QString& dataDirectory) {
    const QDir dir(dataDirectory);
    return {QDir::toNativeSeparators(dir.absolutePath()),
            QDir::toNativeSeparators(dir.absoluteFilePath(QStringLiteral("Channel List.txt")))};
}

ChannelFolders ChannelFolders::forThisPlatform(const QString& dataDirectory) {
#ifdef Q_OS_WIN
    Q_UNUSED(dataDirectory);
    return windows();
#else
    return inDataDirectory(dataDirectory);
#endif
}

}  // namespace tq::persist
