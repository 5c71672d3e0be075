#include "persist/PersistedPermissions.h"

#include "link/FileExists.h"

namespace tq::persist {

bool checkPermissions(link::LinkIndicators& indicators) {
    return link::fileExists(kPermissionsFileName, indicators);
}

}  // namespace tq::persist
