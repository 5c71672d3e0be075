#include "app/DemoDataDir.h"

#include <QDir>
#include <QFileInfo>

#include "persist/PortSetupFile.h"

namespace tq::app {

namespace {

bool writeUnlessPresent(const QString& dir, const QString& name,
                        const persist::PortSetupFile& lines, const QString& fourthDescription,
                        QString& error) {
    const QString path = QDir(dir).filePath(name);
    if (QFileInfo::exists(path)) {
        return true;
    }
    if (const auto failure = persist::savePortSetup(path, lines, fourthDescription)) {
        error = failure->report(name);
        return false;
    }
    return true;
}

}  // namespace

bool prepareDemoDataDir(const QString& dir, QString& error) {
    // The files as the setup dialogs write them.
    return writeUnlessPresent(dir, persist::kPortSetupFileName,
                              {QString::number(kDemoRadioPort), QStringLiteral("9600,O,7,1"),
                               QStringLiteral("comNone"), persist::extPttLine(false)},
                              persist::extPttDescription(), error) &&
           writeUnlessPresent(dir, persist::kCatSetupFileName,
                              {QString::number(kDemoCatPort), QStringLiteral("9600 ,N, 8, 1"),
                               QStringLiteral("comNone"), QStringLiteral("Kenwood")},
                              persist::rigTypeDescription(), error);
}

}  // namespace tq::app
