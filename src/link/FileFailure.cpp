#include "link/FileFailure.h"
#include "link/FailureReport.h"

#include <cstring>

namespace tq::link {

FileFailure FileFailure::fromErrno(int error) {
    return {error, QString::fromLocal8Bit(std::strerror(error))};
}

QString FileFailure::report(const QString& fileName) const {
    return failureReport(fileName, number, description);
}

}  // namespace tq::link
