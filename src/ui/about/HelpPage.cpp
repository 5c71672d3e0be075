#include "ui/about/HelpPage.h"

#include <QDir>

namespace tq::ui {

QString helpPageLocation(const QString& applicationDir) {
    return QDir::cleanPath(applicationDir + QStringLiteral("/../share/tq5820/help.html"));
}

}  // namespace tq::ui
