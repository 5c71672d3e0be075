#include "persist/PersistedFileError.h"

namespace tq::persist {

QString PersistedFileError::report(const QString& fileName) const {
    // Joined, not arg()-substituted: a description may itself contain "%1".
    return fileName + QStringLiteral(": Err ") + QString::number(number) + QStringLiteral(". ") +
           description;
}

}  // namespace tq::persist
