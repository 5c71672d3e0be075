#include "app/persist/PersistedPermissions.h"

#include "link/FileExists.h"

namespace tq::app {

bool checkPermissions(protocol::ProgramFlags& flags, link::LinkIndicators& indicators) {
    flags.OutOfBandAllowed = link::fileExists(kPermissionsFileName, indicators);
    return flags.OutOfBandAllowed;
}

}  // namespace tq::app
