#pragma once

#include "link/FileFailure.h"

namespace tq::persist {

/// Why a settings or list file could not be read or written; report(name)
/// gives the information box text ("AudioSetup.txt: Err 13. Permission
/// denied"). The files share the failure type of every file the program
/// opens.
using PersistedFileError = link::FileFailure;

}  // namespace tq::persist
