#pragma once

#include <QString>
#include <optional>

#include "persist/PersistedFileError.h"

namespace tq::persist {

/// The browser panel's password file, by bare name in the data directory.
/// It holds only a salted slow hash, and only its owner may read it.
inline const QString kWebPasswordFileName = QStringLiteral("WebPanelPassword.txt");

/// The hash on the file's first line; nothing when there is no file or the
/// line is empty (no password set).
std::optional<QString> loadWebPasswordHash();

/// Replaces the file with the hash and a description line, readable and
/// writable by the owner alone from the moment it exists (0600).
std::optional<PersistedFileError> saveWebPasswordHash(const QString& hash);

/// Removes the password: the panel is then reached by the access address
/// printed at start, from this computer only.
std::optional<PersistedFileError> removeWebPassword();

}  // namespace tq::persist
