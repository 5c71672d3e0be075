#include "persist/IniFile.h"

#include "link/FileExists.h"
#include "persist/PersistedFile.h"

namespace tq::persist {

std::optional<PersistedState> loadIniFile(link::LinkIndicators& indicators) {
    if (!link::fileExists(kIniFileName, indicators)) {
        return std::nullopt;
    }
    // The file can still vanish between the test and the read; then nothing
    // is applied rather than a window placed at 0, 0 from no text at all.
    const std::optional<QString> text = readPersistedFile(kIniFileName);
    if (!text) {
        return std::nullopt;
    }
    return PersistedState::parse(*text);
}

std::optional<PersistedFileError> saveIniFile(const PersistedState& state) {
    return writePersistedFile(kIniFileName, state.format());
}

}  // namespace tq::persist
