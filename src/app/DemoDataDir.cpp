#include "app/DemoDataDir.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tq::app {

bool prepareDemoDataDir(const QString& dir, QString& error) {
    const QString path = QDir(dir).filePath(QStringLiteral("PortSetup.txt"));
    if (QFileInfo::exists(path)) {
        return true;
    }
    // The radio port settings file as the port setup dialog writes it.
    const QString text = QStringLiteral(
                             "%1\r\n"
                             "9600,O,7,1\r\n"
                             "comNone\r\n"
                             "0\r\n"
                             "Line 1: Port Number, COM1 = 1, COM2 = 2, etc..\r\n"
                             "Line 2: Baud,Parity,Bits,Stop\r\n"
                             "Line 3: comNone, comXonXoff, comRTS, comRTSXonXoff\r\n"
                             "Line 4: External PTT Enable: Enabled =  1 \r\n")
                             .arg(kDemoRadioPort);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toLatin1()) < 0 || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace tq::app
