#include "app/DemoDataDir.h"

#include <QDir>
#include <QFileInfo>

#include "app/persist/PortSetupFile.h"

namespace tq::app {

namespace {

bool writeUnlessPresent(const QString& dir, const QString& name, const PortSetupFile& lines,
                        const QString& fourthDescription, QString& error) {
    const QString path = QDir(dir).filePath(name);
    if (QFileInfo::exists(path)) {
        return true;
    }
    if (const auto failure = savePortSetup(path, lines, fourthDescription)) {
        error = failure->report(name);
        return false;
    }
    return true;
}

}  // namespace

bool prepareDemoDataDir(const QString& dir, QString& error) {
    // The files as the setup dialogs write them.
    return writeUnlessPresent(dir, kPortSetupFileName,
                              {QString::number(kDemoRadioPort), QStringLiteral("9600,O,7,1"),
                               QStringLiteral("comNone"), extPttLine(false)},
                              extPttDescription(), error) &&
           writeUnlessPresent(dir, kCatSetupFileName,
                              {QString::number(kDemoCatPort), QStringLiteral("9600 ,N, 8, 1"),
                               QStringLiteral("comNone"), QStringLiteral("Kenwood")},
                              rigTypeDescription(), error);
}

}  // namespace tq::app
