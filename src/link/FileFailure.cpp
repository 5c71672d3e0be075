#include "link/FileFailure.h"

#include <cstring>

namespace tq::link {

FileFailure FileFailure::fromErrno(int error) {
    return {error, QString::fromLocal8Bit(std::strerror(error))};
}

QString FileFailure::report(const QString& fileName) const {
    // Joined, not arg()-substituted: a description may itself contain "%1".
    return fileName + QStringLiteral(": Err ") + QString::number(number) + QStringLiteral(". ") +
           description;
}

}  // namespace tq::link
