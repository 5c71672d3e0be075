#include "persist/PersistedPermissions.h"

#include "link/FileExists.h"

namespace tq::persist {

bool checkPermissions(link::LinkIndicators& indicators) {
    // Its content is never read, so its size does not matter.
    return link::fileExists(kPermissionsFileName, indicators, link::kAnyFileSize);
}

}  // namespace tq::persist
