#pragma once

#include <QString>

namespace tq::link {

/// Why a serial device that is there will not open, where the system can
/// tell, so that the operator learns the cause and the remedy instead of a
/// bare failure number.
enum class OpenRefusal {
    None,              // no cause we can name: the system's own text stands
    PermissionDenied,  // this user may not open the device
    InUse,             // another program holds the device
};

/// What an error number of open(2) on a device says about it.
OpenRefusal refusalFromSystemError(int systemError);

/// Asks the system why the device at this path does not open: a live
/// holder's lock file on it, or the error of a test open (which, like the
/// port probe, neither reads nor writes). None when it opens or is missing.
/// Always None on Windows.
OpenRefusal probeRefusal(const QString& device);

/// The operator's text for a refusal: cause, device, remedy. Empty for None.
QString refusalText(OpenRefusal refusal, const QString& device);

}  // namespace tq::link
