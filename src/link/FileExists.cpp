#include "link/FileExists.h"

namespace tq::link {

bool fileExists(const QString& name, LinkIndicators& indicators, qint64 sizeLimit) {
    indicators.showErrorInfo(QString());
    QFile file;
    const std::optional<FileFailure> failure = openRegularFile(file, name, sizeLimit);
    if (!failure) {
        return true;
    }
    indicators.showErrorInfo(failure->report(QStringLiteral("fileExists(") + name + u')'));
    return false;
}

}  // namespace tq::link
