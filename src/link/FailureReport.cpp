#include "link/FailureReport.h"

namespace tq::link {

QString failureReport(const QString& where, int number, const QString& description) {
    return where + QStringLiteral(": Err ") + QString::number(number) + QStringLiteral(". ") +
           description;
}

}  // namespace tq::link
