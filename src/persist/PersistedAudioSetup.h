#pragma once

#include <QString>
#include <optional>

#include "link/LinkIndicators.h"
#include "persist/PersistedAudioSettings.h"
#include "persist/PersistedFileError.h"

namespace tq::persist {

/// The audio settings file, by bare name in the data directory.
inline const QString kAudioSetupFileName = QStringLiteral("AudioSetup.txt");

/// The five codes of an AudioSetup.txt text: the first two characters of each
/// of lines 1 to 5 (fewer when a line is shorter), taken as they are, known
/// codes or not. A line the file does not have, or one that cannot be a code
/// with its label (control characters, bytes that are no text, longer than
/// a line of text), gives that setting's default code. Lines may end in
/// CR LF or LF; the rest of each line and lines 6 to 10 are for a person
/// reading the file and are ignored. DigitalSourceAtStart is left empty.
PersistedAudioSettings parseAudioSetup(const QString& text);

/// The ten lines of AudioSetup.txt for the five codes, each ended by CR LF:
/// the codes with their labels, then the fixed comment lines.
QString formatAudioSetup(const PersistedAudioSettings& settings);

/// What a remote set-up reads: the five codes from AudioSetup.txt when
/// fileExists finds it (a missing file is reported in the information box),
/// else the defaults; then DigitalSourceAtStart = DigitalSource. A file that
/// exists but cannot be read gives the defaults as well.
void readAudioSetup(PersistedAudioSettings& settings, link::LinkIndicators& indicators);

/// Writes the five codes to AudioSetup.txt, replacing the earlier file only
/// once the new one is complete. Returns the failure for the caller to show
/// as error->report(kAudioSetupFileName).
std::optional<PersistedFileError> saveAudioSetup(const PersistedAudioSettings& settings);

}  // namespace tq::persist
